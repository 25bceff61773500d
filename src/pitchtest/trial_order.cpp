#include "trial_order.h"

#include "tone_levels.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace PitchTest {

namespace {

// mt19937_64 is defined to the bit by the C++ standard, and the draws below
// use no library distribution, so a seed gives the same test everywhere.
class Draw {
public:
    explicit Draw(quint64 seed) : engine(seed) {}
    int Below(int bound)
    {
        const auto n = static_cast<std::uint64_t>(bound);
        const std::uint64_t limit = engine.max() - engine.max() % n;
        std::uint64_t value;
        do
            value = engine();
        while (value >= limit);
        return static_cast<int>(value % n);
    }
    template <typename T> void Shuffle(std::vector<T> &items)
    {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
            std::swap(items[i], items[Below(i + 1)]);
    }

private:
    std::mt19937_64 engine;
};

int PitchClass(int note) { return note % 12; }

// Depth-first search for an order of all notes in `pool` that continues
// `path`; a step budget keeps an unlucky start from searching for long.
class Arranger {
public:
    Arranger(Draw &draw, std::vector<int> &path) : draw(draw), path(path) {}

    bool Arrange(std::vector<int> pool)
    {
        steps = 0;
        return Extend(pool);
    }

private:
    bool Extend(std::vector<int> &pool)
    {
        if (pool.empty())
            return true;
        if (++steps > kStepBudget)
            return false;
        const int previous = path.empty() ? -1 : path.back();
        const int beforePrevious = path.size() < 2 ? -1 : path[path.size() - 2];
        std::vector<int> candidates;
        for (int note : pool)
            if (previous < 0 || MayFollow(beforePrevious, previous, note))
                candidates.push_back(note);
        // Notes with the fewest ways on come first (ties in random order):
        // leaving them for later is what makes a search run into dead ends.
        draw.Shuffle(candidates);
        std::vector<std::pair<int, int>> ranked;
        for (int note : candidates)
            ranked.push_back({WaysOn(pool, previous, note), note});
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &[ways, note] : ranked) {
            pool.erase(std::find(pool.begin(), pool.end(), note));
            path.push_back(note);
            if (Extend(pool))
                return true;
            path.pop_back();
            pool.push_back(note);
            if (steps > kStepBudget)
                return false;
        }
        return false;
    }

    static int WaysOn(const std::vector<int> &pool, int previous, int note)
    {
        int ways = 0;
        for (int other : pool)
            ways += other != note && MayFollow(previous, note, other);
        return ways;
    }

    static constexpr int kStepBudget = 2000;
    Draw &draw;
    std::vector<int> &path;
    int steps = 0;
};

std::vector<int> AllNotes()
{
    std::vector<int> notes;
    for (int note = kLowestNote; note <= kHighestNote; ++note)
        notes.push_back(note);
    return notes;
}

// Four practice notes, any keys of the range, under the same rules.
std::vector<int> PracticeNotes(Draw &draw)
{
    std::vector<int> notes;
    while (static_cast<int>(notes.size()) < kPracticeTrials) {
        const int note = kLowestNote + draw.Below(kNotesPerBlock);
        const int previous = notes.empty() ? -1 : notes.back();
        const int beforePrevious = notes.size() < 2 ? -1 : notes[notes.size() - 2];
        if (previous < 0 || MayFollow(beforePrevious, previous, note))
            notes.push_back(note);
    }
    return notes;
}

} // namespace

bool MayFollow(int beforePrevious, int previous, int next)
{
    if (std::abs(next - previous) <= 12)
        return false;
    const int classStep = (PitchClass(next) - PitchClass(previous) + 12) % 12;
    if (classStep == 1 || classStep == 11)
        return false;
    return !(beforePrevious >= 0 && PitchClass(beforePrevious) == PitchClass(previous)
             && PitchClass(previous) == PitchClass(next));
}

int BlockOfTrial(int scoredIndex) { return scoredIndex / kNotesPerBlock; }

TestPlan GeneratePlan(quint64 seed)
{
    Draw draw(seed);
    TestPlan plan;
    plan.seed = seed;

    std::vector<int> path = PracticeNotes(draw);
    // The scored tones follow the practice ones under the same rules. A
    // search that runs out of steps starts its block again with new draws.
    for (int block = 0; block < kBlocks; ++block) {
        const std::vector<int> before = path;
        Arranger arranger(draw, path);
        while (!arranger.Arrange(AllNotes()))
            path = before;
    }

    auto level = [&draw] { return kToneLevels[static_cast<std::size_t>(draw.Below(3))].decibels; };
    for (int i = 0; i < kPracticeTrials; ++i)
        plan.practice.push_back({path[static_cast<std::size_t>(i)], i % 2 ? Timbre::PureTone : Timbre::Piano, level()});
    // Each block is one timbre; which comes first is drawn.
    const bool pureFirst = draw.Below(2) == 1;
    for (int i = 0; i < kScoredTrials; ++i) {
        const bool firstBlock = BlockOfTrial(i) == 0;
        const Timbre timbre = firstBlock == pureFirst ? Timbre::PureTone : Timbre::Piano;
        plan.scored.push_back({path[static_cast<std::size_t>(kPracticeTrials + i)], timbre, level()});
    }
    return plan;
}

quint64 NewSeed()
{
    // Kept to 53 bits so the seed survives any store or export as a number.
    return QRandomGenerator::system()->generate64() >> 11;
}

} // namespace PitchTest
