#pragma once

#include <QString>

#include <cstdint>

namespace Course {

// The course's own generator (splitmix64): small, the same on every
// platform, and its whole state is one number, so that the course can store
// it and go on drawing the same questions after a restart.
class CourseRandom {
public:
    explicit CourseRandom(std::uint64_t seed = 0x5EEDu) : value(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [low, high].
    int between(int low, int high);

    std::uint64_t state() const { return value; }
    void setState(std::uint64_t state) { value = state; }
    // The state as text for a settings store, and back; false (state kept)
    // for text that is no state.
    QString stateText() const;
    bool setStateText(const QString &text);

private:
    std::uint64_t value;
};

} // namespace Course
