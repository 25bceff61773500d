#include "mastery.h"

#include <algorithm>

namespace Course {

const char *stateName(ClassState state)
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

void AnswerWindow::add(bool right, bool rightWithin2s, bool octaveExact)
{
    const std::uint8_t added = static_cast<std::uint8_t>((right ? 1 : 0) | (right && rightWithin2s ? 2 : 0)
                                                         | (right && octaveExact ? 4 : 0));
    if (filled >= kSecureAnswers)
        rightOf20 -= flagsAgo(kSecureAnswers) & 1;
    if (filled >= kSize) {
        const std::uint8_t leaving = flagsAgo(kSize);
        rightOf40 -= leaving & 1;
        within2sOf40 -= (leaving >> 1) & 1;
        octaveExactOf40 -= (leaving >> 2) & 1;
    }
    flags[next] = added;
    next = (next + 1) % kSize;
    filled = std::min(filled + 1, kSize);
    rightOf20 += added & 1;
    rightOf40 += added & 1;
    within2sOf40 += (added >> 1) & 1;
    octaveExactOf40 += (added >> 2) & 1;
}

int AnswerWindow::rightOfLast(int n) const
{
    if (n == kSecureAnswers)
        return rightOf20;
    if (n >= kSize)
        return rightOf40;
    int found = 0;
    for (int i = 1; i <= std::min(n, filled); ++i)
        found += flagsAgo(i) & 1;
    return found;
}

int AnswerWindow::rightWithin2sOfLast(int n) const
{
    if (n >= kSize)
        return within2sOf40;
    int found = 0;
    for (int i = 1; i <= std::min(n, filled); ++i)
        found += (flagsAgo(i) >> 1) & 1;
    return found;
}

double AnswerWindow::octaveExactShare() const
{
    return rightOf40 > 0 ? double(octaveExactOf40) / rightOf40 : -1.0;
}

ClassState AnswerWindow::state() const
{
    if (filled >= kSize && rightWithin2sOfLast(kSize) >= kMasteredRight)
        return ClassState::Mastered;
    if (filled >= kSecureAnswers && rightOfLast(kSecureAnswers) >= kSecureRight)
        return ClassState::Secure;
    return ClassState::Learning;
}

} // namespace Course
