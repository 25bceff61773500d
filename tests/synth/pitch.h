#pragma once

#include <cstddef>
#include <vector>

namespace SynthTest {

// Fundamental frequency in Hz of a periodic stretch of audio, from its
// normalised autocorrelation: the shortest lag whose peak comes close to the
// best one, refined between samples. Returns 0 when nothing periodic is found.
double EstimateFundamental(const float *samples, std::size_t count, int sampleRate, double minHz, double maxHz);

struct Partial {
    double hertz = 0.0;
    double magnitude = 0.0;
};

// The strongest sinusoid within ±spanCents of nearHz: the peak of the
// Hann-windowed spectrum of the whole stretch, searched on a half-bin grid
// and then refined on the continuous spectrum. For a steady or decaying
// partial the peak is unbiased; with half a second at 48 kHz the error
// stays well below 0.1 cent.
Partial StrongestPartialNear(const float *samples, std::size_t count, int sampleRate, double nearHz,
                             double spanCents);

// Cents between a and b (positive when a is higher).
double Cents(double a, double b);

float Peak(const std::vector<float> &samples, std::size_t from, std::size_t to);

} // namespace SynthTest
