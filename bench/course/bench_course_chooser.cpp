// The adaptive course's cost with a long history: taking in 100,000
// answers at start, then the time of one question (draw and answer).

#include "../core/bench_stats.h"

#include <adaptive_course.h>

#include <cstdio>
#include <vector>

using namespace Course;

int main()
{
    constexpr int kHistory = 100000;
    constexpr int kQuestions = 100000;
    CourseRandom learner(5);
    std::vector<CourseAnswer> history;
    for (int i = 0; i < kHistory; ++i) {
        const int note = noteOf(i % 12, (i / 12) % 7);
        const bool right = learner.uniform() < 0.8;
        history.push_back(CourseAnswer {note, right ? note : note + 1, 500 + (i * 37) % 2500, i % 3 != 0});
    }
    AdaptiveCourse course(12, 1);
    const std::int64_t start = MonotonicNs();
    for (const auto &answer : history)
        course.record(answer);
    const double replayMs = double(MonotonicNs() - start) / 1e6;
    std::printf("history of %d answers taken in: %.1f ms\n", kHistory, replayMs);

    std::vector<double> drawUs, recordUs;
    drawUs.reserve(kQuestions);
    recordUs.reserve(kQuestions);
    for (int i = 0; i < kQuestions; ++i) {
        const std::int64_t t0 = MonotonicNs();
        const CourseQuestion q = course.next();
        const std::int64_t t1 = MonotonicNs();
        course.record(CourseAnswer {q.note, learner.uniform() < 0.8 ? q.note : q.note + 1, 1200, true});
        const std::int64_t t2 = MonotonicNs();
        drawUs.push_back(double(t1 - t0) / 1e3);
        recordUs.push_back(double(t2 - t1) / 1e3);
    }
    PrintDistribution("question drawn, 12 classes, after 100,000 answers", drawUs, "us");
    PrintDistribution("answer taken in", recordUs, "us");
    return 0;
}
