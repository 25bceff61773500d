#include "recency_stats.h"

#include <cmath>

namespace Course {

namespace {
const double kGrowth = std::exp2(1.0 / RecencyStats::kHalfLifeAnswers);
// Well below the largest double: the figures are brought back to scale 1
// long before anything could overflow.
constexpr double kRescaleAbove = 1e100;
} // namespace

void RecencyStats::grow()
{
    scale *= kGrowth;
    if (scale < kRescaleAbove)
        return;
    for (int c = 0; c < kClassCount; ++c) {
        answers[c] /= scale;
        fastRight[c] /= scale;
        involvedInWrong[c] /= scale;
        for (double &errors : octaveMisses[c])
            errors /= scale;
    }
    wrong /= scale;
    scale = 1.0;
}

void RecencyStats::add(int askedClass, int answeredClass, bool isFastRight, int missedOctave)
{
    if (askedClass < 0 || askedClass >= kClassCount)
        return;
    grow();
    answers[askedClass] += scale;
    if (isFastRight)
        fastRight[askedClass] += scale;
    if (answeredClass >= 0 && answeredClass != askedClass) {
        wrong += scale;
        involvedInWrong[askedClass] += scale;
        if (answeredClass < kClassCount)
            involvedInWrong[answeredClass] += scale;
    }
    if (missedOctave >= 0 && missedOctave < kOctaveCount)
        octaveMisses[askedClass][missedOctave] += scale;
}

double RecencyStats::fastRightRate(int noteIndex) const
{
    return (fastRight[noteIndex] / scale + 1.0) / (answers[noteIndex] / scale + 2.0);
}

double RecencyStats::confusionShare(int noteIndex) const
{
    return wrong > 0.0 ? involvedInWrong[noteIndex] / wrong : 0.0;
}

double RecencyStats::octaveErrors(int noteIndex, int octave) const
{
    return octaveMisses[noteIndex][octave] / scale;
}

} // namespace Course
