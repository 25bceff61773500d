#include "course_random.h"

namespace Course {

std::uint64_t CourseRandom::next()
{
    std::uint64_t z = (value += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double CourseRandom::uniform()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

int CourseRandom::between(int low, int high)
{
    if (high <= low)
        return low;
    const std::uint64_t span = std::uint64_t(high - low) + 1;
    // Rejection keeps the draw unbiased.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
    std::uint64_t value;
    do
        value = next();
    while (value >= limit);
    return low + static_cast<int>(value % span);
}

QString CourseRandom::stateText() const
{
    return QString::number(value, 16);
}

bool CourseRandom::setStateText(const QString &text)
{
    bool ok = false;
    const std::uint64_t read = text.trimmed().toULongLong(&ok, 16);
    if (ok)
        value = read;
    return ok;
}

} // namespace Course
