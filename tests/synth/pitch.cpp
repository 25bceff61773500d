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

// Magnitude of the windowed signal's spectrum at `hertz` (one DFT term at an
// arbitrary frequency, the phasor turned by a rotation rather than by trig).
double WindowedMagnitude(const std::vector<double> &windowed, int sampleRate, double hertz)
{
    const double step = -2.0 * M_PI * hertz / sampleRate;
    const double stepRe = std::cos(step);
    const double stepIm = std::sin(step);
    double re = 1.0, im = 0.0, sumRe = 0.0, sumIm = 0.0;
    for (std::size_t i = 0; i < windowed.size(); ++i) {
        sumRe += windowed[i] * re;
        sumIm += windowed[i] * im;
        const double nextRe = re * stepRe - im * stepIm;
        im = re * stepIm + im * stepRe;
        re = nextRe;
    }
    return std::hypot(sumRe, sumIm);
}

} // namespace

double Cents(double a, double b)
{
    return 1200.0 * std::log2(a / b);
}

Partial StrongestPartialNear(const float *samples, std::size_t count, int sampleRate, double nearHz,
                             double spanCents)
{
    Partial best;
    if (count < 2 || nearHz <= 0.0)
        return best;
    std::vector<double> windowed(count);
    for (std::size_t i = 0; i < count; ++i)
        windowed[i] = samples[i] * (0.5 - 0.5 * std::cos(2.0 * M_PI * double(i) / double(count - 1)));

    const double low = nearHz * std::exp2(-spanCents / 1200.0);
    const double high = nearHz * std::exp2(spanCents / 1200.0);
    const double gridHz = 0.5 * sampleRate / double(count);
    for (double hertz = low; hertz <= high; hertz += gridHz) {
        const double magnitude = WindowedMagnitude(windowed, sampleRate, hertz);
        if (magnitude > best.magnitude)
            best = {hertz, magnitude};
    }
    // Golden-section search within a grid step either side of the best point.
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double a = best.hertz - gridHz, b = best.hertz + gridHz;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double fc = WindowedMagnitude(windowed, sampleRate, c), fd = WindowedMagnitude(windowed, sampleRate, d);
    for (int i = 0; i < 40; ++i) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - ratio * (b - a);
            fc = WindowedMagnitude(windowed, sampleRate, c);
        } else {
            a = c, c = d, fc = fd;
            d = a + ratio * (b - a);
            fd = WindowedMagnitude(windowed, sampleRate, d);
        }
    }
    const double refined = 0.5 * (a + b);
    const double magnitude = WindowedMagnitude(windowed, sampleRate, refined);
    if (magnitude >= best.magnitude)
        best = {refined, magnitude};
    return best;
}

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
