#pragma once

#include <QString>

#include <cstdint>

namespace Course {

// The course's own generator (splitmix64): small, the same on every
// platform, and its whole state is one number, so that the course can store
// it and go on drawing the same questions after a restart.
class CourseRandom {
public:
    explicit CourseRandom(std::uint64_t seed = 0x5EEDu) : state(seed) {}

    std::uint64_t Next();
    // Uniform in [0, 1).
    double Uniform();
    // Uniform in [low, high].
    int Between(int low, int high);

    std::uint64_t State() const { return state; }
    void SetState(std::uint64_t value) { state = value; }
    // The state as text for a settings store, and back; false (state kept)
    // for text that is no state.
    QString StateText() const;
    bool SetStateText(const QString &text);

private:
    std::uint64_t state;
};

} // namespace Course
