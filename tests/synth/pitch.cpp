#include "pitch.h"

#include <algorithm>
#include <cmath>

namespace SynthTest {

namespace {

// Normalised square difference: 1 for a perfect repeat at this lag, about 0 for none.
double Similarity(const float *x, std::size_t count, std::size_t lag)
{
    double product = 0.0;
    double energy = 0.0;
    for (std::size_t i = 0; i + lag < count; ++i) {
        product += double(x[i]) * x[i + lag];
        energy += double(x[i]) * x[i] + double(x[i + lag]) * x[i + lag];
    }
    return energy > 0.0 ? 2.0 * product / energy : 0.0;
}

} // namespace

double EstimateFundamental(const float *samples, std::size_t count, int sampleRate, double minHz, double maxHz)
{
    const std::size_t shortest = static_cast<std::size_t>(sampleRate / maxHz);
    const std::size_t longest = std::min(static_cast<std::size_t>(sampleRate / minHz) + 1, count / 2);
    if (shortest < 1 || longest <= shortest + 2)
        return 0.0;

    std::vector<double> similarity(longest + 2, 0.0);
    double best = 0.0;
    for (std::size_t lag = shortest - 1; lag <= longest + 1; ++lag) {
        similarity[lag - (shortest - 1)] = Similarity(samples, count, lag);
        best = std::max(best, similarity[lag - (shortest - 1)]);
    }
    if (best < 0.5)
        return 0.0;

    // The first local maximum near the best avoids answering an octave low.
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
        const double before = similarity[lag - shortest];
        const double here = similarity[lag - shortest + 1];
        const double after = similarity[lag - shortest + 2];
        if (here >= before && here >= after && here >= 0.9 * best) {
            const double curvature = before - 2.0 * here + after;
            const double offset = curvature != 0.0 ? 0.5 * (before - after) / curvature : 0.0;
            return sampleRate / (double(lag) + offset);
        }
    }
    return 0.0;
}

float Peak(const std::vector<float> &samples, std::size_t from, std::size_t to)
{
    float peak = 0.0f;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

} // namespace SynthTest
