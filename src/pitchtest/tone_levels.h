#pragma once

#include <array>

namespace PitchTest {

// The three levels a test tone is played at, in dB below full level
// (velocity 127), and the velocity that gives each on the built-in
// synthesiser, piano and pure tone alike (measured on its output).
struct ToneLevel {
    int decibels;
    int velocity;
};

constexpr std::array<ToneLevel, 3> kToneLevels = {{{-1, 120}, {-4, 100}, {-7, 85}}};
constexpr int kFullLevelVelocity = 127;

constexpr int VelocityOfLevel(int decibels)
{
    for (const ToneLevel &level : kToneLevels)
        if (level.decibels == decibels)
            return level.velocity;
    return kToneLevels[0].velocity;
}

} // namespace PitchTest
