#pragma once

#include "pitch_classes.h"

#include <array>

namespace Course {

// Per-class figures over the answers given so far, each answer weighing half
// as much 150 answers later. Every figure is kept scaled by one growing
// factor instead of decaying all of them at each answer, so that taking in
// an answer and reading a figure cost the same with any length of history.
class RecencyStats {
public:
    static constexpr double kHalfLifeAnswers = 150.0;

    // One answer: the class asked, the class answered, whether it was right
    // within the deadline, and which question octave (0..6, or -1) the
    // octave was missed in.
    void add(int askedClass, int answeredClass, bool fastRight, int missedOctave);

    // (right within the deadline + 1) / (answers + 2): with no answers, 1/2.
    double fastRightRate(int noteIndex) const;
    // Share of the recent wrong answers that involve the class, asked or
    // answered; 0 while there are none.
    double confusionShare(int noteIndex) const;
    double octaveErrors(int noteIndex, int octave) const;
    double answerWeight(int noteIndex) const { return answers[noteIndex] / scale; }

private:
    void grow();

    double scale = 1.0;
    std::array<double, kClassCount> answers {};
    std::array<double, kClassCount> fastRight {};
    std::array<double, kClassCount> involvedInWrong {};
    double wrong = 0.0;
    std::array<std::array<double, kOctaveCount>, kClassCount> octaveMisses {};
};

} // namespace Course
