#include "response_deadline.h"

#include <algorithm>

namespace Course {

bool ResponseDeadline::isFast(long long reactionMs) const
{
    return reactionMs >= 0 && double(reactionMs) <= current * 1000.0;
}

bool ResponseDeadline::record(bool fastRight)
{
    ++inBlock;
    if (fastRight)
        ++fastRightInBlock;
    if (inBlock < kBlockAnswers)
        return false;
    const double share = double(fastRightInBlock) / kBlockAnswers;
    inBlock = fastRightInBlock = 0;
    const double before = current;
    if (share >= kShortenAtShare)
        current = std::max(kShortestSeconds, current * (1.0 - kStep));
    else if (share < kLengthenBelowShare)
        current = std::min(kLongestSeconds, current * (1.0 + kStep));
    return current != before;
}

} // namespace Course
