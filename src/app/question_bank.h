#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

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
    static constexpr double kDefaultReferencePitch = 440.0;
    static constexpr double kLowestReferencePitch = 415.0;
    static constexpr double kHighestReferencePitch = 466.0;

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
    ScoredAnswer answer(unsigned answerNote);
    // Applies the level rule and starts a new list; true once the last level is passed.
    bool finishSession();
    SessionOutcome finishSessionWithOutcome();

    // Whether the user has trained at all: a level above the first or an
    // answer in the running session.
    bool hasProgress() const { return maturityLevel > 1 || currentQuestion > 0; }

    void load();
    void save();

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
    QString inputDevice;  // port name; empty: every MIDI keyboard
    QString outputDevice; // port name; empty: the built-in synthesiser
    // The questions' timbre: a General MIDI program, or -1 for the pure tone.
    std::int8_t midiInstrument = 0;
    // Whether the user chose the timbre (before that, external synthesisers
    // keep their own); whether each question draws one of the ticked ones.
    bool instrumentChosen = false;
    bool varyInstrument = false;
    std::vector<int> variedInstruments;
    // A4 in Hz, 415-466.
    double referencePitch = 440.0;

private:
    // Reads the stored state as it is; load() judges and repairs it.
    void readStore();
    void readInstrumentOptions();
    bool storedSessionIsConsistent() const;
    bool storedSessionIsFinished() const;
    bool storedListIsConsistent() const;
    void clampCounters();
    ScoredAnswer tally(unsigned answerNote);
    void saveWithNextQuestion();
    void writeArray(const char *array, const char *key, const std::vector<std::uint32_t> &values);

    std::unique_ptr<QSettings> settings;
    // The counters as stored, before they are judged against the list.
    long long storedCorrect = 0;
    long long storedIncorrect = 0;
};
