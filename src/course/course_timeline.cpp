#include "course_timeline.h"

namespace Course {

void CourseTimelineBuilder::add(const CourseAnswer &answer, std::int64_t timeUtcMs)
{
    const double deadlineBefore = engine.deadlineSeconds();
    const RecordedAnswer recorded = engine.record(answer);
    if (!recorded.counted)
        return;
    if (built.deadline.empty() || recorded.deadlineSeconds != deadlineBefore)
        built.deadline.push_back({timeUtcMs, recorded.deadlineSeconds});
    for (int c = 0; c < kClassCount; ++c) {
        if (!(recorded.changedStates & (1u << c)))
            continue;
        const ClassState state = engine.state(c);
        built.changes.push_back({timeUtcMs, c, state});
        if (state >= ClassState::Secure && built.firstSecure[c] == 0)
            built.firstSecure[c] = timeUtcMs;
        if (state == ClassState::Mastered && built.firstMastered[c] == 0)
            built.firstMastered[c] = timeUtcMs;
    }
    engine.takeRoundSummary(); // rounds are the window's, not the statistics'
}

} // namespace Course
