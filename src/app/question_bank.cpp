#include "question_bank.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <new>

const std::array<unsigned, 12> noteOrder = {24, 26, 28, 29, 31, 33, 35, 25, 27, 30, 32, 34};

namespace {

bool randomSeeded = false;

constexpr unsigned kLowestQuestion = 24;
constexpr unsigned kHighestQuestion = 107;

// Uniform draw from 0..k, rejecting the top values of rand() that would bias it.
unsigned uniformUpTo(unsigned k)
{
    const unsigned long range = static_cast<unsigned long>(k) + 1;
    const unsigned long span = static_cast<unsigned long>(RAND_MAX) + 1;
    const unsigned long limit = span - span % range;
    unsigned long r;
    do {
        r = static_cast<unsigned long>(std::rand());
    } while (r >= limit);
    return static_cast<unsigned>(r % range);
}

void shuffle(std::vector<std::uint32_t> &list)
{
    for (std::size_t k = 1; k < list.size(); ++k)
        std::swap(list[k], list[uniformUpTo(static_cast<unsigned>(k))]);
}

bool isValidLevel(long long level)
{
    return level >= 1 && level <= QuestionBank::kMaxLevel;
}

// A stored array size that no consistent store can have is read as empty,
// so that a damaged file cannot make the loader allocate or read without end.
int plausibleArraySize(int stored, unsigned maximum)
{
    return stored < 0 || static_cast<unsigned>(stored) > maximum ? 0 : stored;
}

} // namespace

unsigned noteIndexOf(unsigned n)
{
    const unsigned pitchClassEntry = (n - 24) % 12 + 24;
    for (unsigned i = 0; i < noteOrder.size(); ++i) {
        if (noteOrder[i] == pitchClassEntry)
            return i;
    }
    return 1;
}

namespace {

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

} // namespace

QuestionBank::QuestionBank() : settings(openStore())
{
    load();
}

QuestionBank::~QuestionBank() = default;

void QuestionBank::rebuildQuestions()
{
    const unsigned level = maturityLevel;
    questionCount = kRepsPerNote * level;
    questions.clear();
    questions.reserve(questionCount);
    for (unsigned i = 0; i < level; ++i) {
        for (unsigned k = 0; k < kRepsPerNote; ++k)
            questions.push_back(noteOrder[i] + 12 * k);
    }
    if (!randomSeeded) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        randomSeeded = true;
    }
    shuffle(questions);
    correctCount = 0;
    incorrectCount = 0;
    noteStats.assign(level, 0);
    currentQuestion = 0;
    save();
}

void QuestionBank::setLevel(int level)
{
    maturityLevel = isValidLevel(level) ? static_cast<std::uint32_t>(level) : 1;
    rebuildQuestions();
}

ScoredAnswer QuestionBank::scoreAnswer(unsigned answerNote)
{
    ScoredAnswer result;
    result.questionNote = currentQuestion < questions.size() ? questions[currentQuestion] : questions.at(0);
    result.correct = answerNote == result.questionNote;
    if (result.correct) {
        ++correctCount;
        ++noteStats.at(noteIndexOf(result.questionNote));
    } else {
        ++incorrectCount;
    }
    // The stored index already names the next question.
    ++currentQuestion;
    save();
    --currentQuestion;
    return result;
}

bool QuestionBank::finishSession()
{
    const unsigned level = maturityLevel;
    const double asked = static_cast<unsigned>(questions.size());
    const bool passed = static_cast<double>(correctCount) >= kPassRatio * asked;
    bool perfectPitch = false;
    unsigned next = level;

    if (passed) {
        if (level < kMaxLevel)
            next = level + 1;
        else
            perfectPitch = true;
    } else if (level > 1) {
        const std::uint32_t newest = noteStats.at(level - 1);
        const bool olderNoteWeaker =
            std::any_of(noteStats.begin(), noteStats.begin() + (level - 1), [newest](std::uint32_t s) { return s < newest; });
        if (olderNoteWeaker && level > 2)
            next = level - 1;
    }

    maturityLevel = isValidLevel(next) ? next : 1;
    rebuildQuestions();
    return perfectPitch;
}

void QuestionBank::load()
{
    bool damaged = false;
    try {
        readStore();
        // A store object keeps a parse error for good, and every later save
        // would report it as a failure to write. Listing the keys parses the
        // sections not read above, so that any error shows now.
        settings->allKeys();
        damaged = settings->status() == QSettings::FormatError;
    } catch (const std::bad_alloc &) {
        // A value in the store's serialised-object syntax can claim a list of
        // billions of entries, whose allocation fails while it is read. Such a
        // store is damaged; its session is not trusted.
        damaged = true;
        questions.clear();
    }
    // What could be read has been read. The damaged file goes (touching its
    // entries again could throw again) and a new store object starts without
    // the error; the bank writes its state into it below.
    if (damaged) {
        const QString path = settings->fileName();
        qWarning("Orvelle: %s was damaged; the entries that could be read were kept", qPrintable(path));
        settings.reset();
        QFile::remove(path);
        settings = openStore();
    }

    // A repaired store is written anew with the bank's entries only: some
    // stray keys are written back in a form that does not parse, and the
    // damage would return at every start.
    if (!storedSessionIsConsistent()) {
        settings->clear();
        if (!isValidLevel(maturityLevel))
            maturityLevel = 1;
        rebuildQuestions();
    } else if (damaged) {
        save();
    }
}

void QuestionBank::readStore()
{
    settings->beginGroup("GlobalSetting");
    inputDevice = settings->value("InputDevice", QString()).toString();
    midiInstrument = static_cast<std::int8_t>(settings->value("MidiInstrument", 0).toInt() & 0xFF);
    currentQuestion = static_cast<std::uint32_t>(settings->value("CurrentQuestion", 0).toInt());
    maturityLevel = static_cast<std::uint32_t>(settings->value("MaturityLevel", 1).toInt());
    correctCount = static_cast<std::uint32_t>(settings->value("CorrectStats", 0).toInt());
    incorrectCount = static_cast<std::uint32_t>(settings->value("InCorrectStats", 0).toInt());
    showHelpOnStartup = settings->value("ShowHelpOnStartup", true).toBool();
    showColorMap = settings->value("ShowColorMap", true).toBool();
    outputDevice = settings->value("OutputDevice", QString()).toString();
    settings->endGroup();

    settings->beginGroup("StatsAndQuestions");
    const int statCount = plausibleArraySize(settings->beginReadArray("stats"), kMaxLevel);
    noteStats.assign(statCount, 0);
    for (int i = 0; i < statCount; ++i) {
        settings->setArrayIndex(i);
        noteStats[i] = settings->value("stat").toUInt();
    }
    settings->endArray();

    const int storedQuestions = plausibleArraySize(settings->beginReadArray("questions"), kRepsPerNote * kMaxLevel);
    questionCount = storedQuestions;
    questions.assign(storedQuestions, 0);
    for (int i = 0; i < storedQuestions; ++i) {
        settings->setArrayIndex(i);
        questions[i] = settings->value("question").toUInt();
    }
    settings->endArray();
    settings->endGroup();
}

bool QuestionBank::storedSessionIsConsistent() const
{
    if (!isValidLevel(maturityLevel))
        return false;
    if (questions.size() != kRepsPerNote * maturityLevel || currentQuestion >= questions.size())
        return false;
    // Statistics are counted by note index, so every question must be a note
    // of this level and every note of the level must have its entry.
    if (noteStats.size() != maturityLevel)
        return false;
    return std::all_of(questions.begin(), questions.end(), [this](std::uint32_t q) {
        return q >= kLowestQuestion && q <= kHighestQuestion && noteIndexOf(q) < maturityLevel;
    });
}

void QuestionBank::save()
{
    settings->beginGroup("GlobalSetting");
    settings->setValue("InputDevice", inputDevice);
    settings->setValue("MidiInstrument", static_cast<int>(midiInstrument));
    settings->setValue("CurrentQuestion", currentQuestion);
    settings->setValue("MaturityLevel", maturityLevel);
    settings->setValue("CorrectStats", correctCount);
    settings->setValue("InCorrectStats", incorrectCount);
    settings->setValue("ShowHelpOnStartup", showHelpOnStartup);
    settings->setValue("ShowColorMap", showColorMap);
    settings->setValue("OutputDevice", outputDevice);
    settings->endGroup();

    settings->beginGroup("StatsAndQuestions");
    settings->beginWriteArray("stats", -1);
    for (std::size_t i = 0; i < noteStats.size(); ++i) {
        settings->setArrayIndex(static_cast<int>(i));
        settings->setValue("stat", noteStats[i]);
    }
    settings->endArray();
    settings->beginWriteArray("questions", -1);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        settings->setArrayIndex(static_cast<int>(i));
        settings->setValue("question", questions[i]);
    }
    settings->endArray();
    settings->endGroup();

    // An answer the user has seen scored must survive a crash or a kill, so the
    // file is written now rather than by the store's deferred write-back.
    settings->sync();
    if (settings->status() != QSettings::NoError)
        qWarning("Orvelle: the training state could not be written to %s", qPrintable(settings->fileName()));
}
