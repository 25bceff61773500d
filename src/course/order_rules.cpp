#include "order_rules.h"

#include "pitch_classes.h"

#include <cstdlib>
#include <utility>

namespace Course {

bool followsOrderRules(int beforePrevious, int previous, int next, int classCount)
{
    if (previous < 0)
        return true;
    if (std::abs(next - previous) <= 12)
        return false;
    const int nextClass = classOfNote(next);
    const int previousClass = classOfNote(previous);
    if (nextClass < 0 || previousClass < 0)
        return true;
    if (classDistance(nextClass, previousClass) == 1)
        return false;
    return !(classCount >= 3 && beforePrevious >= 0 && nextClass == previousClass
             && classOfNote(beforePrevious) == nextClass);
}

int firstOrderBreak(const std::vector<unsigned> &notes, int classCount)
{
    for (std::size_t i = 1; i < notes.size(); ++i) {
        const int beforePrevious = i >= 2 ? static_cast<int>(notes[i - 2]) : -1;
        if (!followsOrderRules(beforePrevious, static_cast<int>(notes[i - 1]), static_cast<int>(notes[i]), classCount))
            return static_cast<int>(i);
    }
    return -1;
}

namespace {

// Picks, question by question, one of the remaining questions that may come
// next; false when it runs into a dead end.
bool tryOrder(std::vector<unsigned> &remaining, std::vector<unsigned> &ordered, int classCount,
              CourseRandom &random, int beforePrevious, int previous)
{
    ordered.clear();
    std::vector<std::size_t> candidates;
    while (!remaining.empty()) {
        candidates.clear();
        for (std::size_t i = 0; i < remaining.size(); ++i)
            if (followsOrderRules(beforePrevious, previous, static_cast<int>(remaining[i]), classCount))
                candidates.push_back(i);
        if (candidates.empty())
            return false;
        const std::size_t pick = candidates[random.between(0, static_cast<int>(candidates.size()) - 1)];
        beforePrevious = previous;
        previous = static_cast<int>(remaining[pick]);
        ordered.push_back(remaining[pick]);
        remaining[pick] = remaining.back();
        remaining.pop_back();
    }
    return true;
}

} // namespace

std::vector<unsigned> orderedForRelativePitchBlock(std::vector<unsigned> notes, int classCount, CourseRandom &random,
                                                   int beforePrevious, int previous)
{
    // A random greedy order rarely meets a dead end; a few hundred fresh
    // starts find an order for every level's list.
    constexpr int kAttempts = 400;
    std::vector<unsigned> ordered;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::vector<unsigned> remaining = notes;
        if (tryOrder(remaining, ordered, classCount, random, beforePrevious, previous))
            return ordered;
    }
    return notes;
}

} // namespace Course
