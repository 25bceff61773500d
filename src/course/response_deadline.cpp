#include "response_deadline.h"

#include <algorithm>

namespace Course {

bool ResponseDeadline::IsFast(long long reactionMs) const
{
    return reactionMs >= 0 && double(reactionMs) <= seconds * 1000.0;
}

bool ResponseDeadline::Record(bool fastRight)
{
    ++inBlock;
    if (fastRight)
        ++fastRightInBlock;
    if (inBlock < kBlockAnswers)
        return false;
    const double share = double(fastRightInBlock) / kBlockAnswers;
    inBlock = fastRightInBlock = 0;
    const double before = seconds;
    if (share >= kShortenAtShare)
        seconds = std::max(kShortestSeconds, seconds * (1.0 - kStep));
    else if (share < kLengthenBelowShare)
        seconds = std::min(kLongestSeconds, seconds * (1.0 + kStep));
    return seconds != before;
}

} // namespace Course
