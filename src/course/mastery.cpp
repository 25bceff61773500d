#include "mastery.h"

#include <algorithm>

namespace Course {

const char *StateName(ClassState state)
{
    switch (state) {
    case ClassState::Locked:
        return "locked";
    case ClassState::Learning:
        return "learning";
    case ClassState::Secure:
        return "secure";
    case ClassState::Mastered:
        return "mastered";
    }
    return "locked";
}

void AnswerWindow::Add(bool right, bool rightWithin2s, bool octaveExact)
{
    flags[next] = static_cast<std::uint8_t>((right ? 1 : 0) | (right && rightWithin2s ? 2 : 0)
                                            | (right && octaveExact ? 4 : 0));
    next = (next + 1) % kSize;
    count = std::min(count + 1, kSize);
}

namespace {
template <typename Test>
int CountLast(const std::array<std::uint8_t, AnswerWindow::kSize> &flags, int next, int count, int n, Test test)
{
    int found = 0;
    for (int i = 1; i <= std::min(n, count); ++i)
        if (test(flags[(next - i + AnswerWindow::kSize) % AnswerWindow::kSize]))
            ++found;
    return found;
}
} // namespace

int AnswerWindow::RightOfLast(int n) const
{
    return CountLast(flags, next, count, n, [](std::uint8_t f) { return f & 1; });
}

int AnswerWindow::RightWithin2sOfLast(int n) const
{
    return CountLast(flags, next, count, n, [](std::uint8_t f) { return f & 2; });
}

double AnswerWindow::OctaveExactShare() const
{
    const int right = RightOfLast(kSize);
    if (right == 0)
        return -1.0;
    return double(CountLast(flags, next, count, kSize, [](std::uint8_t f) { return f & 4; })) / right;
}

ClassState AnswerWindow::State() const
{
    if (count >= kSize && RightWithin2sOfLast(kSize) >= kMasteredRight)
        return ClassState::Mastered;
    if (count >= kSecureAnswers && RightOfLast(kSecureAnswers) >= kSecureRight)
        return ClassState::Secure;
    return ClassState::Learning;
}

} // namespace Course
