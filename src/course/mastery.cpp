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
    const std::uint8_t added = static_cast<std::uint8_t>((right ? 1 : 0) | (right && rightWithin2s ? 2 : 0)
                                                         | (right && octaveExact ? 4 : 0));
    if (count >= kSecureAnswers)
        rightOf20 -= FlagsAgo(kSecureAnswers) & 1;
    if (count >= kSize) {
        const std::uint8_t leaving = FlagsAgo(kSize);
        rightOf40 -= leaving & 1;
        within2sOf40 -= (leaving >> 1) & 1;
        octaveExactOf40 -= (leaving >> 2) & 1;
    }
    flags[next] = added;
    next = (next + 1) % kSize;
    count = std::min(count + 1, kSize);
    rightOf20 += added & 1;
    rightOf40 += added & 1;
    within2sOf40 += (added >> 1) & 1;
    octaveExactOf40 += (added >> 2) & 1;
}

int AnswerWindow::RightOfLast(int n) const
{
    if (n == kSecureAnswers)
        return rightOf20;
    if (n >= kSize)
        return rightOf40;
    int found = 0;
    for (int i = 1; i <= std::min(n, count); ++i)
        found += FlagsAgo(i) & 1;
    return found;
}

int AnswerWindow::RightWithin2sOfLast(int n) const
{
    if (n >= kSize)
        return within2sOf40;
    int found = 0;
    for (int i = 1; i <= std::min(n, count); ++i)
        found += (FlagsAgo(i) >> 1) & 1;
    return found;
}

double AnswerWindow::OctaveExactShare() const
{
    return rightOf40 > 0 ? double(octaveExactOf40) / rightOf40 : -1.0;
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
