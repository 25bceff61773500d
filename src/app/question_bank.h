#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class Preferences;
class QSettings;

// Note number of each pitch class in the lowest questioned octave, in the
// order in which the levels introduce them: C D E F G A B C# D# F# G# A#.
extern const std::array<unsigned, 12> noteOrder;

// Note index (position in noteOrder) of the pitch class of note number n (n >= 24).
unsigned noteIndexOf(unsigned n);

// How a finished session ended, for the summary the user sees.
struct SessionOutcome {
    unsigned level = 1;     // the level of the finished session
    unsigned nextLevel = 1; // the level after the level rule
    unsigned correct = 0;
    unsigned total = 0;
    bool passed = false;
    bool perfectPitch = false; // level 12 passed
};

struct ScoredAnswer {
    bool correct = false;
    unsigned questionNote = 0;
    unsigned questionIndex = 0;
    // Set by answer() when this was the session's last question: the level
    // rule has run and the next session's list is stored.
    bool sessionFinished = false;
    SessionOutcome outcome;
};

// The training data: the session's question list, its counters and per-note
// statistics, the level and the interface options. Every change is saved at
// once to the user's settings store.
class QuestionBank {
public:
    static constexpr unsigned kRepsPerNote = 7;
    static constexpr unsigned kMaxLevel = 12;
    static constexpr double kPassRatio = 0.65;

    // Opens the settings store of the application's organisation and name,
    // loads the stored state and repairs it.
    QuestionBank();
    ~QuestionBank();
    QuestionBank(const QuestionBank &) = delete;
    QuestionBank &operator=(const QuestionBank &) = delete;

    void rebuildQuestions();
    void setLevel(int level);
    ScoredAnswer scoreAnswer(unsigned answerNote);
    // Scores like scoreAnswer; the session's last answer also applies the
    // level rule and stores the next session in the same write, so that no
    // moment exists at which a finished session is stored unfinished.
    //
    // `beforeStoring` runs once the answer is scored and before anything is
    // stored (the answer history is written there, so that the history never
    // lacks an answer the store holds); a row id it returns above 0 is
    // stored with the answer as the last history row taken in.
    ScoredAnswer answer(unsigned answerNote, const std::function<qint64(const ScoredAnswer &)> &beforeStoring = {});
    // Applies the level rule and starts a new list; true once the last level is passed.
    bool finishSession();
    SessionOutcome finishSessionWithOutcome();

    // Whether the user has trained at all: a level above the first or an
    // answer in the running session.
    bool hasProgress() const { return maturityLevel > 1 || currentQuestion > 0; }

    void load();
    // Writes the whole state; on failure storeProblem() says so and the
    // state is written again by the next save() or retrySave().
    void save();
    bool retrySave();
    // Whether the state is kept at all: false when the store's path is no
    // regular file of the program's own (a FIFO, a device, a link to one).
    bool storing() const { return settings != nullptr; }
    // The store's file, as resolved (a link's target).
    const QString &storeFile() const { return storePath; }
    // One line for the user while the state cannot be written; empty otherwise.
    const QString &storeProblem() const { return problemText; }
    void setProblemObserver(std::function<void()> observer) { problemObserver = std::move(observer); }
    // Another settings object on the same file; null when nothing is stored.
    std::unique_ptr<QSettings> openSameStore(bool evenIfRefused = false) const;
    // The store's own settings object, for reading what else it keeps; null
    // when nothing is stored. Writes go through save().
    QSettings *store() const { return settings.get(); }
    // Writes the user's other options into the store with every save, so
    // that they are written, reported and retried with the training state.
    void setOptionWriter(std::function<void(QSettings &)> writer) { optionWriter = std::move(writer); }

    std::vector<std::uint32_t> questions;
    std::vector<std::uint32_t> noteStats;
    // Right (1) or wrong (0) for each answered question of this session, so
    // that the window can redraw the progress strip after a restart.
    std::vector<std::uint32_t> answerResults;
    std::uint32_t correctCount = 0;
    std::uint32_t incorrectCount = 0;
    std::uint32_t maturityLevel = 1;
    std::uint32_t currentQuestion = 0;
    std::uint32_t questionCount = 0;
    bool showHelpOnStartup = true;
    bool showColorMap = true;
    QString inputDevice; // port name; empty: every MIDI keyboard
    // The questions' timbre: a General MIDI program, or -1 for the pure tone.
    std::int8_t midiInstrument = 0;
    // The id of the last answer-history row whose answer the store holds;
    // -1 in a store of an earlier version, which did not keep it.
    qint64 lastHistoryRow = -1;
    // The adaptive course's question being asked and its generator's state
    // (the rest of that course comes from the history): note -1 for none.
    // Lists built from now on keep successive questions apart (the option
    // "Block relative pitch"); not stored here.
    bool blockRelativePitch = false;
    int adaptiveNote = -1;
    // The classes the adaptive course began with (the level then); 0 until
    // it is first used.
    int adaptiveStartClasses = 0;
    bool adaptiveReask = false;
    QString adaptiveRandom;

private:
    // Reads the stored state as it is; load() judges and repairs it.
    void readStore();
    // The user's other options as the store holds them, written back into a
    // store that is set aside or cleared in repair.
    std::vector<std::pair<QString, QString>> keptOptions() const;
    void restoreOptions(const std::vector<std::pair<QString, QString>> &options);
    bool storedSessionIsConsistent() const;
    bool storedSessionIsFinished() const;
    bool storedListIsConsistent() const;
    void clampCounters();
    ScoredAnswer tally(unsigned answerNote);
    void saveWithNextQuestion();
    std::uint32_t storedPosition() const;
    void writeArray(const char *array, const char *key, const std::vector<std::uint32_t> &values);

    void report(const QString &text);
    void setAsideDamagedStore();

    std::unique_ptr<QSettings> settings;
    QString storePath;
    bool nativeStore = true;
    QString problemText;
    std::function<void()> problemObserver;
    std::function<void(QSettings &)> optionWriter;
    // The counters as stored, before they are judged against the list.
    long long storedCorrect = 0;
    long long storedIncorrect = 0;
};

// Reads the user's other options from the bank's store and keeps them there:
// each change is saved with the training state, and every save writes them.
void keepOptionsInStore(Preferences &options, QuestionBank &bank);
