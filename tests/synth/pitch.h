#pragma once

#include <cstddef>
#include <vector>

namespace SynthTest {

// Fundamental frequency in Hz of a periodic stretch of audio, from its
// normalised autocorrelation: the shortest lag whose peak comes close to the
// best one, refined between samples. Returns 0 when nothing periodic is found.
double EstimateFundamental(const float *samples, std::size_t count, int sampleRate, double minHz, double maxHz);

float Peak(const std::vector<float> &samples, std::size_t from, std::size_t to);

} // namespace SynthTest
