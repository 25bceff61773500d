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

struct ScoredAnswer {
    bool correct = false;
    unsigned questionNote = 0;
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
    // Applies the level rule and starts a new list; true once the last level is passed.
    bool finishSession();

    void load();
    void save();

    std::vector<std::uint32_t> questions;
    std::vector<std::uint32_t> noteStats;
    std::uint32_t correctCount = 0;
    std::uint32_t incorrectCount = 0;
    std::uint32_t maturityLevel = 1;
    std::uint32_t currentQuestion = 0;
    std::uint32_t questionCount = 0;
    bool showHelpOnStartup = true;
    bool showColorMap = true;
    QString inputDevice;  // port name; empty: every MIDI keyboard
    QString outputDevice; // port name; empty: the built-in synthesiser
    std::int8_t midiInstrument = 0;

private:
    // Reads the stored state as it is; load() judges and repairs it.
    void readStore();
    bool storedSessionIsConsistent() const;

    std::unique_ptr<QSettings> settings;
};
