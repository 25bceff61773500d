#pragma once

#include "course_random.h"
#include "mastery.h"
#include "pitch_classes.h"
#include "recency_stats.h"
#include "response_deadline.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace Course {

// One answer as the course learns from it: from the history at start, then
// as each is given.
struct CourseAnswer {
    int askedNote = -1;     // MIDI note numbers
    int answeredNote = -1;
    long long reactionMs = -1; // from the moment the note became audible; -1 unknown
    // Given in this course (rather than the twelve-level one): only these
    // move the deadline, fill rounds and bring a missed class back.
    bool adaptive = true;
};

struct CourseQuestion {
    int note = -1;
    int noteIndex = -1;
    bool reask = false; // a class missed a few questions ago, in another octave
};

// What the course made of one answer.
struct RecordedAnswer {
    bool counted = false;     // false for an answer that names no question; it changed nothing
    bool right = false;       // the class was named (octave aside)
    bool octaveExact = false; // the very note was named
    bool fast = false;        // within the deadline
    double deadlineSeconds = ResponseDeadline::kStartSeconds; // after this answer
    int unlocked = -1;        // note index this answer unlocked; -1 if none
    std::uint16_t changedStates = 0; // bit per note index whose state moved
    bool roundEnded = false;  // takeRoundSummary() has the round
};

struct ConfusedPair {
    int asked = -1;   // note index
    int heardAs = -1; // note index answered instead
    int times = 0;
};

struct RoundSummary {
    int round = 0; // 1 for the course's first round
    int questions = 0;
    int right = 0;
    std::array<ClassState, kClassCount> before {};
    std::array<ClassState, kClassCount> after {};
    double deadlineBefore = ResponseDeadline::kStartSeconds;
    double deadlineSeconds = ResponseDeadline::kStartSeconds;
    int nextUnlock = -1;           // note index that unlocks next; -1 once all are unlocked
    std::vector<int> notYetSecure; // what holds the next unlock back
    std::vector<ConfusedPair> confusions; // the round's two most frequent, most frequent first
};

// Per class, for the window's strip.
struct ClassReport {
    ClassState state = ClassState::Locked;
    int answers = 0;               // in the last 20
    double accuracy = -1.0;        // right share of the last 20; -1 with none
    double octaveExactShare = -1.0; // see AnswerWindow
};

// The adaptive course: which class to ask next, from the answers so far.
//
// Everything it knows comes from the answers it is given, in order, so that
// feeding it the history at start rebuilds the same state (classes, their
// states, deadline, round, pending re-asks) that it had when the program
// last ended. Each answer and each question costs the same with any length
// of history. Only its generator's state is kept apart (see RandomState).
class AdaptiveCourse {
public:
    static constexpr int kStartClasses = 2;
    static constexpr int kRoundQuestions = 40;
    static constexpr double kNewClassShare = 0.4;
    static constexpr int kTaperQuestions = 300;
    static constexpr int kReaskMinGap = 4; // other questions between a miss and its re-ask
    static constexpr int kReaskMaxGap = 8;
    static constexpr int kReaskRightNeeded = 2;

    // Starts with the first `startClasses` classes of the order (at least
    // two: a learner past the second level keeps that level's classes).
    explicit AdaptiveCourse(int startClasses = kStartClasses, std::uint64_t seed = 0x5EEDu);

    void setBlockRelativePitch(bool on) { blockRelativePitch = on; }
    // At least the first `classes` classes unlocked from now on (a learner
    // who passed levels of the other course meanwhile).
    void unlockAtLeast(int classes);
    bool blocksRelativePitch() const { return blockRelativePitch; }

    RecordedAnswer record(const CourseAnswer &answer);
    // Draws the next question. Drawing again before an answer draws afresh.
    CourseQuestion next();

    int unlockedCount() const { return unlocked; }
    ClassState state(int noteIndex) const;
    std::array<ClassState, kClassCount> states() const;
    ClassReport report(int noteIndex) const;
    double deadlineSeconds() const { return deadline.seconds(); }
    // The share each class gets in a draw that no re-ask or order rule
    // steers: weighted, clamped, new classes tapered; 0 for locked ones.
    std::array<double, kClassCount> shares() const;
    long long answerCount() const { return answered; }
    long long adaptiveAnswerCount() const { return adaptiveAnswered; }
    // Questions answered in the running round (0..39).
    int roundPosition() const { return static_cast<int>(adaptiveAnswered % kRoundQuestions); }
    // The running round's answers in order, true where the very key was
    // named: what its strip shows, after a restart too.
    const std::vector<bool> &roundResults() const { return roundKeys; }
    // The round the last answer ended, once; empty otherwise.
    std::optional<RoundSummary> takeRoundSummary();

    CourseRandom &random() { return generator; }
    const CourseRandom &random() const { return generator; }

private:
    struct Reask {
        bool pending = false;
        long long slot = 0;   // the question index it is asked at
        int lastOctave = -1;  // the octave it was last asked in
        int rightNeeded = kReaskRightNeeded;
    };

    double weightedShare(int noteIndex) const;
    void scheduleReask(int noteIndex, int octave);
    bool slotTaken(long long slot) const;
    int classSlottedAt(long long slot) const;
    bool classMayFollow(int noteIndex) const;
    int drawOctave(int noteIndex, int avoidOctave);
    int drawClass(std::uint16_t allowed);
    std::uint16_t normalDrawMask(bool lookAhead) const;
    void checkUnlock(RecordedAnswer &result);
    void closeRound(RecordedAnswer &result);

    int unlocked;
    bool blockRelativePitch = true;
    CourseRandom generator;
    RecencyStats stats;
    ResponseDeadline deadline;
    std::array<AnswerWindow, kClassCount> windows {};
    std::array<long long, kClassCount> unlockedAt {}; // question index; -1: from the start
    std::array<Reask, kClassCount> reasks {};
    long long answered = 0;
    long long adaptiveAnswered = 0;
    int previous = -1;       // the last question's note
    int beforePrevious = -1; // the one before

    // The running round.
    std::array<ClassState, kClassCount> roundStart {};
    double roundStartDeadline = ResponseDeadline::kStartSeconds;
    int roundRight = 0;
    std::vector<bool> roundKeys;
    std::array<std::array<std::uint16_t, kClassCount>, kClassCount> roundConfusions {};
    std::optional<RoundSummary> finishedRound;
};

} // namespace Course
