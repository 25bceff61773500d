#pragma once

#include "pitch_classes.h"

#include <array>
#include <cstdint>

namespace Course {

enum class ClassState { Locked, Learning, Secure, Mastered };

const char *stateName(ClassState state); // "locked", "learning", ...

// A class's last 40 answers: whether each named the class, and whether it
// did so within kMasteredWithinMs.
class AnswerWindow {
public:
    static constexpr int kSize = 40;
    static constexpr int kSecureAnswers = 20;
    static constexpr int kSecureRight = 16;   // 80 % of 20
    static constexpr int kMasteredRight = 36; // 90 % of 40
    static constexpr long long kMasteredWithinMs = 2000;

    void add(bool right, bool rightWithin2s, bool octaveExact);
    int count() const { return filled; }
    // Right answers among the last n (n <= kSize).
    int rightOfLast(int n) const;
    int rightWithin2sOfLast(int n) const;
    // Among the answers of the last 40 that named the class, the share that
    // named its octave too; -1 with none.
    double octaveExactShare() const;
    // Learning, Secure or Mastered by the last 20 and 40 answers.
    ClassState state() const;

private:
    std::uint8_t flagsAgo(int n) const { return flags[(next - n + kSize) % kSize]; }

    std::array<std::uint8_t, kSize> flags {}; // bit 0 right, bit 1 within 2 s, bit 2 octave exact
    int next = 0;
    int filled = 0;
    // Kept as answers come and go, so that a state costs nothing to read.
    int rightOf20 = 0;
    int rightOf40 = 0;
    int within2sOf40 = 0;
    int octaveExactOf40 = 0;
};

} // namespace Course
