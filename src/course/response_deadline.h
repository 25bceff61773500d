#pragma once

namespace Course {

// How long the learner has to answer for the answer to count as fast. It
// starts lenient and follows the learner block by block: a block of 20
// answers nearly all fast and right shortens it, a poor one lengthens it.
class ResponseDeadline {
public:
    static constexpr double kStartSeconds = 3.0;
    static constexpr double kShortestSeconds = 1.3;
    static constexpr double kLongestSeconds = 3.0;
    static constexpr int kBlockAnswers = 20;
    static constexpr double kShortenAtShare = 0.9;
    static constexpr double kLengthenBelowShare = 0.7;
    static constexpr double kStep = 0.1;

    double seconds() const { return current; }
    // Whether a reaction time (ms from the audible onset, -1 unknown) is
    // within the deadline. An unknown time is never fast.
    bool isFast(long long reactionMs) const;
    // Counts an answer of the adaptive course; true when it closed a block
    // and the deadline moved.
    bool record(bool fastRight);

private:
    double current = kStartSeconds;
    int inBlock = 0;
    int fastRightInBlock = 0;
};

} // namespace Course
