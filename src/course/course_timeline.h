#pragma once

#include "adaptive_course.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Course {

struct StateChange {
    std::int64_t timeUtcMs = 0;
    int noteIndex = -1;
    ClassState state = ClassState::Locked; // the state it moved to
};

struct DeadlinePoint {
    std::int64_t timeUtcMs = 0;
    double seconds = ResponseDeadline::kStartSeconds;
};

// The course's history as the statistics show it: every move of a class's
// state and of the deadline, with the time of the answer that caused it, and
// when each class first became secure and mastered (0: not yet).
struct CourseTimeline {
    std::vector<StateChange> changes;
    std::vector<DeadlinePoint> deadline; // starts with the first answer's time
    std::array<std::int64_t, kClassCount> firstSecure {};
    std::array<std::int64_t, kClassCount> firstMastered {};
};

// Builds the timeline by running a course of its own through the answers,
// so it shows what the course the learner used saw.
class CourseTimelineBuilder {
public:
    explicit CourseTimelineBuilder(int startClasses = AdaptiveCourse::kStartClasses) : engine(startClasses) {}

    void add(const CourseAnswer &answer, std::int64_t timeUtcMs);
    const CourseTimeline &timeline() const { return built; }
    const AdaptiveCourse &course() const { return engine; }

private:
    AdaptiveCourse engine;
    CourseTimeline built;
};

} // namespace Course
