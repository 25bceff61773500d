#include "recency_stats.h"

#include <cmath>

namespace Course {

namespace {
const double kGrowth = std::exp2(1.0 / RecencyStats::kHalfLifeAnswers);
// Well below the largest double: the figures are brought back to scale 1
// long before anything could overflow.
constexpr double kRescaleAbove = 1e100;
} // namespace

void RecencyStats::Grow()
{
    scale *= kGrowth;
    if (scale < kRescaleAbove)
        return;
    for (int c = 0; c < kClassCount; ++c) {
        answers[c] /= scale;
        fastRight[c] /= scale;
        involvedInWrong[c] /= scale;
        for (double &errors : octaveErrors[c])
            errors /= scale;
    }
    wrong /= scale;
    scale = 1.0;
}

void RecencyStats::Add(int askedClass, int answeredClass, bool fastRight_, int missedOctave)
{
    if (askedClass < 0 || askedClass >= kClassCount)
        return;
    Grow();
    answers[askedClass] += scale;
    if (fastRight_)
        fastRight[askedClass] += scale;
    if (answeredClass >= 0 && answeredClass != askedClass) {
        wrong += scale;
        involvedInWrong[askedClass] += scale;
        if (answeredClass < kClassCount)
            involvedInWrong[answeredClass] += scale;
    }
    if (missedOctave >= 0 && missedOctave < kOctaveCount)
        octaveErrors[askedClass][missedOctave] += scale;
}

double RecencyStats::FastRightRate(int noteIndex) const
{
    return (fastRight[noteIndex] / scale + 1.0) / (answers[noteIndex] / scale + 2.0);
}

double RecencyStats::ConfusionShare(int noteIndex) const
{
    return wrong > 0.0 ? involvedInWrong[noteIndex] / wrong : 0.0;
}

double RecencyStats::OctaveErrors(int noteIndex, int octave) const
{
    return octaveErrors[noteIndex][octave] / scale;
}

} // namespace Course
