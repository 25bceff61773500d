#include "question_bank.h"

#include <order_rules.h>

#include <theory/piano.h>

#include <answer_history.h>
#include <preferences.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <new>

const std::array<unsigned, 12> noteOrder = {24, 26, 28, 29, 31, 33, 35, 25, 27, 30, 32, 34};

namespace {

bool randomSeeded = false;

constexpr unsigned kLowestQuestion = Piano::kLowestQuestion;
constexpr unsigned kHighestQuestion = Piano::kHighestQuestion;

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

// The native store's file on this platform: <config>/<organisation>/<application>.conf.
QString nativeStorePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

bool isRegularFile(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The program's other files, which a link at the store's place must not
// lead the store to write over.
bool isHistoryFile(const QString &path)
{
    const QString history = QFileInfo(AnswerHistory::defaultPath()).canonicalFilePath();
    return !history.isEmpty() && (path == history || path == history + QStringLiteral("-wal") ||
                                  path == history + QStringLiteral("-shm"));
}

} // namespace

QuestionBank::QuestionBank()
{
    storePath = nativeStorePath();
    // Reading a FIFO would wait for a writer for ever, and the store's
    // atomic write would rename a new file over a device or over whatever a
    // link points to: only a regular file is used, a link followed to one.
    struct stat info;
    const bool exists = ::lstat(QFile::encodeName(storePath).constData(), &info) == 0;
    QString refusal;
    if (exists && S_ISLNK(info.st_mode)) {
        const QString target = QFileInfo(storePath).canonicalFilePath();
        if (target.isEmpty() || !isRegularFile(target) || isHistoryFile(target)) {
            refusal = QCoreApplication::translate("QuestionBank", "The settings file %1 is a link to no settings file of Orvelle's; it is left "
                                     "alone, and training goes on without keeping its state.")
                          .arg(storePath);
        } else {
            storePath = target;
            nativeStore = false;
        }
    } else if (exists && !S_ISREG(info.st_mode)) {
        refusal = QCoreApplication::translate("QuestionBank", "The settings file %1 is not a regular file; it is left alone, and training goes on "
                                 "without keeping its state.")
                      .arg(storePath);
    }
    if (refusal.isEmpty())
        settings = openSameStore(true);
    else
        report(refusal);
    load();
}

std::unique_ptr<QSettings> QuestionBank::openSameStore(bool evenIfRefused) const
{
    if (!settings && !evenIfRefused)
        return nullptr;
    // On Linux the native format is this same INI file; a link's target is
    // named directly so that its own folder is the one written.
    if (nativeStore)
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QCoreApplication::organizationName(), QCoreApplication::applicationName());
    return std::make_unique<QSettings>(storePath, QSettings::IniFormat);
}

void QuestionBank::report(const QString &text)
{
    if (text == problemText)
        return;
    problemText = text;
    if (!text.isEmpty())
        qWarning("Orvelle: %s", qUtf8Printable(text));
    if (problemObserver)
        problemObserver();
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
    // With relative pitch blocked the shuffled list is put in an order
    // where no question lies within an octave or a semitone of the last.
    if (blockRelativePitch) {
        Course::CourseRandom random(static_cast<std::uint64_t>(std::rand()) << 32 | static_cast<std::uint64_t>(std::rand()));
        const std::vector<unsigned> ordered = Course::orderedForRelativePitchBlock(
            std::vector<unsigned>(questions.begin(), questions.end()), static_cast<int>(level), random);
        questions.assign(ordered.begin(), ordered.end());
    }
    correctCount = 0;
    incorrectCount = 0;
    noteStats.assign(level, 0);
    answerResults.clear();
    currentQuestion = 0;
    save();
}

void QuestionBank::setLevel(int level)
{
    maturityLevel = isValidLevel(level) ? static_cast<std::uint32_t>(level) : 1;
    rebuildQuestions();
}

ScoredAnswer QuestionBank::tally(unsigned answerNote)
{
    ScoredAnswer result;
    result.questionIndex = currentQuestion;
    result.questionNote = currentQuestion < questions.size() ? questions[currentQuestion] : questions.at(0);
    result.correct = answerNote == result.questionNote;
    if (result.correct) {
        ++correctCount;
        ++noteStats.at(noteIndexOf(result.questionNote));
    } else {
        ++incorrectCount;
    }
    // A question replayed and answered again keeps its latest result.
    answerResults.resize(std::min<std::size_t>(currentQuestion, questions.size()));
    answerResults.push_back(result.correct ? 1 : 0);
    return result;
}

void QuestionBank::saveWithNextQuestion()
{
    // save() stores the next question's index once the current one is answered.
    save();
}

// The stored index names the next question to ask: once the current question
// is answered (its result recorded) the one after it, so that any save during
// the feedback pause or a retry of a failed write stores the same position
// as the answer's own save.
std::uint32_t QuestionBank::storedPosition() const
{
    return currentQuestion + (answerResults.size() > currentQuestion ? 1 : 0);
}

ScoredAnswer QuestionBank::scoreAnswer(unsigned answerNote)
{
    ScoredAnswer result = tally(answerNote);
    saveWithNextQuestion();
    return result;
}

ScoredAnswer QuestionBank::answer(unsigned answerNote, const std::function<qint64(const ScoredAnswer &)> &beforeStoring)
{
    ScoredAnswer result = tally(answerNote);
    if (beforeStoring) {
        const qint64 row = beforeStoring(result);
        if (row > 0)
            lastHistoryRow = row;
    }
    if (static_cast<std::size_t>(currentQuestion) + 1 < questions.size()) {
        saveWithNextQuestion();
        return result;
    }
    result.sessionFinished = true;
    result.outcome = finishSessionWithOutcome();
    return result;
}

bool QuestionBank::finishSession()
{
    return finishSessionWithOutcome().perfectPitch;
}

SessionOutcome QuestionBank::finishSessionWithOutcome()
{
    const unsigned level = maturityLevel;
    const double asked = static_cast<unsigned>(questions.size());
    SessionOutcome outcome;
    outcome.level = level;
    outcome.correct = correctCount;
    outcome.total = static_cast<unsigned>(questions.size());
    outcome.passed = static_cast<double>(correctCount) >= kPassRatio * asked;
    unsigned next = level;

    if (outcome.passed) {
        if (level < kMaxLevel)
            next = level + 1;
        else
            outcome.perfectPitch = true;
    } else if (level > 1 && noteStats.size() >= level) {
        const std::uint32_t newest = noteStats.at(level - 1);
        const bool olderNoteWeaker =
            std::any_of(noteStats.begin(), noteStats.begin() + (level - 1), [newest](std::uint32_t s) { return s < newest; });
        if (olderNoteWeaker && level > 2)
            next = level - 1;
    }

    maturityLevel = isValidLevel(next) ? next : 1;
    outcome.nextLevel = maturityLevel;
    rebuildQuestions();
    return outcome;
}

void QuestionBank::load()
{
    if (!settings) {
        rebuildQuestions();
        return;
    }
    // A store that exists but cannot be read (another user's file) would be
    // replaced by a fresh session at the first write: it is left alone.
    const QFileInfo file(storePath);
    if (file.exists() && !file.isReadable()) {
        settings.reset();
        report(QCoreApplication::translate("QuestionBank", "The settings file %1 cannot be read; it is left alone, and training goes on without "
                              "keeping its state.")
                   .arg(storePath));
        rebuildQuestions();
        return;
    }
    bool damaged = false;
    std::vector<std::pair<QString, QString>> options;
    try {
        readStore();
        options = keptOptions();
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
        setAsideDamagedStore();
        restoreOptions(options);
    }

    clampCounters();

    // A session whose last answer was stored by an earlier version, before
    // its level rule ran: the rule runs now instead of the session being lost.
    if (!damaged && storedSessionIsFinished()) {
        finishSession();
        return;
    }
    // A repaired store is written anew with the bank's entries only: some
    // stray keys are written back in a form that does not parse, and the
    // damage would return at every start.
    if (!storedSessionIsConsistent()) {
        settings->clear();
        restoreOptions(options);
        if (!isValidLevel(maturityLevel))
            maturityLevel = 1;
        rebuildQuestions();
    } else if (damaged) {
        save();
    }
}

// Kept beside the new store under a name no other start can take, rather
// than deleted.
void QuestionBank::setAsideDamagedStore()
{
    const QString path = settings->fileName();
    settings.reset();
    const QString aside = path + QStringLiteral(".broken-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss.zzz")) +
                          QLatin1Char('-') + QString::number(QCoreApplication::applicationPid());
    if (QFile::rename(path, aside))
        qWarning("Orvelle: %s was damaged; the entries that could be read were kept, the file itself as %s",
                 qPrintable(path), qPrintable(aside));
    else if (QFile::remove(path))
        qWarning("Orvelle: %s was damaged; the entries that could be read were kept", qPrintable(path));
    settings = openSameStore(true);
}

void QuestionBank::readStore()
{
    settings->beginGroup("GlobalSetting");
    inputDevice = settings->value("InputDevice", QString()).toString();
    midiInstrument = static_cast<std::int8_t>(settings->value("MidiInstrument", 0).toInt() & 0xFF);
    currentQuestion = static_cast<std::uint32_t>(settings->value("CurrentQuestion", 0).toInt());
    maturityLevel = static_cast<std::uint32_t>(settings->value("MaturityLevel", 1).toInt());
    storedCorrect = settings->value("CorrectStats", 0).toInt();
    storedIncorrect = settings->value("InCorrectStats", 0).toInt();
    showHelpOnStartup = settings->value("ShowHelpOnStartup", true).toBool();
    showColorMap = settings->value("ShowColorMap", true).toBool();
    lastHistoryRow = std::max<qint64>(-1, settings->value("LastHistoryRow", -1).toLongLong());
    settings->endGroup();

    settings->beginGroup("Adaptive");
    bool isNote = false;
    adaptiveNote = settings->value("Question", -1).toInt(&isNote);
    if (!isNote)
        adaptiveNote = -1;
    adaptiveReask = settings->value("Reask", false).toString() == QLatin1String("true");
    adaptiveRandom = settings->value("Random", QString()).toString();
    adaptiveStartClasses = std::clamp(settings->value("StartClasses", 0).toInt(), 0, int(kMaxLevel));
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

    // Absent in stores of earlier versions: their answers show without colour.
    const int resultCount = plausibleArraySize(settings->beginReadArray("results"), kRepsPerNote * kMaxLevel);
    answerResults.assign(resultCount, 0);
    for (int i = 0; i < resultCount; ++i) {
        settings->setArrayIndex(i);
        answerResults[i] = settings->value("result").toUInt();
    }
    settings->endArray();
    settings->endGroup();
}

void QuestionBank::clampCounters()
{
    // A counter outside the session's size (a stored -1 read as a huge
    // number among them) would pass or fail a session by itself.
    const auto clamp = [this](long long stored) {
        return static_cast<std::uint32_t>(std::clamp<long long>(stored, 0, questions.size()));
    };
    correctCount = clamp(storedCorrect);
    incorrectCount = clamp(storedIncorrect);
    const bool resultsFit = answerResults.size() == currentQuestion &&
                            std::all_of(answerResults.begin(), answerResults.end(), [](std::uint32_t r) { return r <= 1; });
    if (!resultsFit)
        answerResults.clear();
}

bool QuestionBank::storedSessionIsFinished() const
{
    return storedListIsConsistent() && currentQuestion == questions.size();
}

// Only plain values are carried: a value in the store's serialised-object
// syntax is what a repaired store must not get back.
std::vector<std::pair<QString, QString>> QuestionBank::keptOptions() const
{
    std::vector<std::pair<QString, QString>> options;
    settings->beginGroup("GlobalSetting");
    for (const QString &key : Preferences::storedKeys()) {
        const QVariant value = settings->value(key);
        if (value.type() == QVariant::String)
            options.emplace_back(key, value.toString());
    }
    settings->endGroup();
    return options;
}

void QuestionBank::restoreOptions(const std::vector<std::pair<QString, QString>> &options)
{
    settings->beginGroup("GlobalSetting");
    for (const auto &[key, value] : options)
        settings->setValue(key, value);
    settings->endGroup();
}

bool QuestionBank::storedSessionIsConsistent() const
{
    return storedListIsConsistent() && currentQuestion < questions.size();
}

bool QuestionBank::storedListIsConsistent() const
{
    if (!isValidLevel(maturityLevel))
        return false;
    if (questions.size() != kRepsPerNote * maturityLevel)
        return false;
    // Statistics are counted by note index, so every question must be a note
    // of this level and every note of the level must have its entry.
    if (noteStats.size() != maturityLevel)
        return false;
    return std::all_of(questions.begin(), questions.end(), [this](std::uint32_t q) {
        return q >= kLowestQuestion && q <= kHighestQuestion && noteIndexOf(q) < maturityLevel;
    });
}

void QuestionBank::writeArray(const char *array, const char *key, const std::vector<std::uint32_t> &values)
{
    // Written whole: elements past a shorter list must not stay behind.
    settings->remove(QString::fromLatin1(array));
    settings->beginWriteArray(QString::fromLatin1(array), -1);
    for (std::size_t i = 0; i < values.size(); ++i) {
        settings->setArrayIndex(static_cast<int>(i));
        settings->setValue(QString::fromLatin1(key), values[i]);
    }
    settings->endArray();
}

void QuestionBank::save()
{
    if (!settings)
        return;
    // A store object keeps its first error for good: after a failed write
    // a new one tells whether this write goes through.
    if (settings->status() != QSettings::NoError)
        settings = openSameStore(true);
    settings->beginGroup("GlobalSetting");
    settings->setValue("InputDevice", inputDevice);
    settings->setValue("MidiInstrument", static_cast<int>(midiInstrument));
    settings->setValue("CurrentQuestion", storedPosition());
    settings->setValue("MaturityLevel", maturityLevel);
    settings->setValue("CorrectStats", correctCount);
    settings->setValue("InCorrectStats", incorrectCount);
    settings->setValue("ShowHelpOnStartup", showHelpOnStartup);
    settings->setValue("ShowColorMap", showColorMap);
    if (lastHistoryRow >= 0)
        settings->setValue("LastHistoryRow", lastHistoryRow);
    settings->endGroup();
    if (optionWriter)
        optionWriter(*settings);
    if (adaptiveNote >= 0 || adaptiveStartClasses > 0) {
        settings->beginGroup("Adaptive");
        settings->setValue("StartClasses", adaptiveStartClasses);
        settings->setValue("Question", adaptiveNote);
        settings->setValue("Reask", adaptiveReask);
        settings->setValue("Random", adaptiveRandom);
        settings->endGroup();
    }

    settings->beginGroup("StatsAndQuestions");
    writeArray("stats", "stat", noteStats);
    writeArray("questions", "question", questions);
    writeArray("results", "result", answerResults);
    settings->endGroup();

    // An answer the user has seen scored must survive a crash or a kill, so the
    // file is written now rather than by the store's deferred write-back.
    settings->sync();
    if (settings->status() != QSettings::NoError)
        report(QCoreApplication::translate("QuestionBank", "The training state cannot be written to %1. It is kept and will be written as soon "
                              "as it can be.")
                   .arg(settings->fileName()));
    else
        report(QString());
}

bool QuestionBank::retrySave()
{
    if (settings && !problemText.isEmpty())
        save();
    return problemText.isEmpty() || !settings;
}

void keepOptionsInStore(Preferences &options, QuestionBank &bank)
{
    options.read(bank.store());
    bank.setOptionWriter([&options](QSettings &store) { options.writeTo(store); });
    options.setSaver([&bank] { bank.save(); });
    // A value the options could not take (an unknown course) is written
    // back as they read it.
    if (options.repairedOnRead())
        bank.save();
}
