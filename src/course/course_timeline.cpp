#include "course_timeline.h"

namespace Course {

void CourseTimelineBuilder::Add(const CourseAnswer &answer, std::int64_t timeUtcMs)
{
    const double deadlineBefore = course.DeadlineSeconds();
    const RecordedAnswer recorded = course.Record(answer);
    if (!recorded.counted)
        return;
    if (timeline.deadline.empty() || recorded.deadlineSeconds != deadlineBefore)
        timeline.deadline.push_back({timeUtcMs, recorded.deadlineSeconds});
    for (int c = 0; c < kClassCount; ++c) {
        if (!(recorded.changedStates & (1u << c)))
            continue;
        const ClassState state = course.State(c);
        timeline.changes.push_back({timeUtcMs, c, state});
        if (state >= ClassState::Secure && timeline.firstSecure[c] == 0)
            timeline.firstSecure[c] = timeUtcMs;
        if (state == ClassState::Mastered && timeline.firstMastered[c] == 0)
            timeline.firstMastered[c] = timeUtcMs;
    }
    course.TakeRoundSummary(); // rounds are the window's, not the statistics'
}

} // namespace Course
