// The two courses against simulated learners (learner_models.h): questions
// until all twelve classes are mastered (by the adaptive course's own
// criterion, >= 36 of a class's last 40 answers right within 2 s, applied to
// both courses), capped at 30,000, and the mean error in semitones (pitch
// class distance, 0..6) in each thousand questions. 20 seeds per pair.

#include "learner_models.h"

#include <adaptive_course.h>
#include <mastery.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Course;
using Bench::Learner;
using Bench::LearnerKind;

namespace {

constexpr int kCap = 30000;
constexpr int kSeeds = 20;
constexpr int kBlock = 1000;

// The twelve-level course by its rules: level L asks the first L classes
// once in each of seven octaves, shuffled; 65 % exact answers pass to the
// next level; a failed session drops a level (from level 3 up) when the
// newest class got more right answers than some older one.
class LevelsCourse {
public:
    explicit LevelsCourse(std::uint64_t seed) : random(seed) { Rebuild(); }

    int next() const { return static_cast<int>(list[position]); }

    void record(int asked, int answered)
    {
        if (asked == answered) {
            ++correct;
            ++noteStats[classOfNote(asked)];
        }
        if (++position < list.size())
            return;
        const bool passed = correct >= 0.65 * double(list.size());
        if (passed && level < 12) {
            ++level;
        } else if (!passed && level > 2) {
            const unsigned newest = noteStats[level - 1];
            for (int c = 0; c + 1 < level; ++c)
                if (noteStats[c] < newest) {
                    --level;
                    break;
                }
        }
        Rebuild();
    }

private:
    void Rebuild()
    {
        list.clear();
        for (int c = 0; c < level; ++c)
            for (int o = 0; o < kOctaveCount; ++o)
                list.push_back(static_cast<unsigned>(noteOf(c, o)));
        for (std::size_t k = 1; k < list.size(); ++k)
            std::swap(list[k], list[random.between(0, static_cast<int>(k))]);
        position = 0;
        correct = 0;
        noteStats.fill(0);
    }

    CourseRandom random;
    std::vector<unsigned> list;
    std::size_t position = 0;
    int level = 1;
    unsigned correct = 0;
    std::array<unsigned, 12> noteStats {};
};

struct RunResult {
    int toMastered = kCap; // kCap: not reached
    std::vector<double> errorPerBlock;
};

template <typename Ask, typename Tell>
RunResult run(Learner &learner, Ask ask, Tell tell)
{
    RunResult result;
    std::array<AnswerWindow, kClassCount> windows {};
    double errorSum = 0.0;
    for (int q = 1; q <= kCap; ++q) {
        const int asked = ask();
        const Bench::LearnerAnswer answer = learner.answer(asked);
        learner.learn();
        tell(asked, answer);
        const int askedClass = classOfNote(asked), answeredClass = classOfNote(answer.note);
        windows[askedClass].add(askedClass == answeredClass, answer.reactionMs <= 2000, asked == answer.note);
        errorSum += classDistance(askedClass, answeredClass);
        if (q % kBlock == 0) {
            result.errorPerBlock.push_back(errorSum / kBlock);
            errorSum = 0.0;
        }
        if (result.toMastered == kCap
            && std::all_of(windows.begin(), windows.end(),
                           [](const AnswerWindow &w) { return w.state() == ClassState::Mastered; }))
            result.toMastered = q;
    }
    return result;
}

RunResult runLevels(LearnerKind kind, std::uint64_t seed)
{
    Learner learner(kind, seed);
    LevelsCourse course(seed * 31 + 7);
    return run(learner, [&] { return course.next(); },
               [&](int asked, const Bench::LearnerAnswer &a) { course.record(asked, a.note); });
}

RunResult runAdaptive(LearnerKind kind, std::uint64_t seed)
{
    Learner learner(kind, seed);
    AdaptiveCourse course(AdaptiveCourse::kStartClasses, seed * 31 + 7);
    return run(learner, [&] { return course.next().note; }, [&](int asked, const Bench::LearnerAnswer &a) {
        course.record(CourseAnswer {asked, a.note, a.reactionMs, true});
    });
}

double median(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2.0;
}

} // namespace

int main()
{
    std::printf("| learner | course | questions to all mastered: median (mean) | runs capped | "
                "mean error (semitones) in thousand 1 / 2 / 5 / 10 / 20 / 30 |\n|---|---|---|---|---|\n");
    for (LearnerKind kind : {LearnerKind::Even, LearnerKind::Confusable, LearnerKind::Forgetful}) {
        double medians[2] = {};
        for (int c = 0; c < 2; ++c) {
            std::vector<int> reached;
            std::vector<double> errors(kCap / kBlock, 0.0);
            int capped = 0;
            for (int seed = 1; seed <= kSeeds; ++seed) {
                const RunResult r = c == 0 ? runLevels(kind, seed) : runAdaptive(kind, seed);
                reached.push_back(r.toMastered);
                capped += r.toMastered >= kCap;
                for (std::size_t b = 0; b < r.errorPerBlock.size(); ++b)
                    errors[b] += r.errorPerBlock[b] / kSeeds;
            }
            double mean = 0.0;
            for (int n : reached)
                mean += double(n) / kSeeds;
            medians[c] = median(reached);
            std::printf("| %s | %s | %.0f (%.0f) | %d of %d | %.2f / %.2f / %.2f / %.2f / %.2f / %.2f |\n",
                        Bench::learnerName(kind), c == 0 ? "twelve levels" : "adaptive", medians[c], mean, capped,
                        kSeeds, errors[0], errors[1], errors[4], errors[9], errors[19], errors[29]);
        }
        std::printf("| %s | adaptive / levels | %.2f | | |\n", Bench::learnerName(kind), medians[1] / medians[0]);
    }
    return 0;
}
