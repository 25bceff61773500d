#pragma once

#include "adaptive_course.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace Course {

// What the program keeps of the adaptive course between runs besides the
// history: the question being asked and the generator's state.
struct StoredQuestion {
    int note = -1; // -1: none stored
    bool reask = false;
    QString randomState;
};

// The adaptive course as a session uses it: one current question at a time,
// answers scored against it. The history is read on another thread while
// the program starts; until it arrives the course asks from what it has and
// keeps the answers given meanwhile, so that none is lost or counted twice.
class AdaptiveTrainer {
public:
    explicit AdaptiveTrainer(int startClasses = AdaptiveCourse::kStartClasses, std::uint64_t seed = 0x5EEDu);

    // The question and generator state of the last run; a stored note that
    // is no question (damaged by hand) is drawn afresh.
    void restore(const StoredQuestion &stored);
    StoredQuestion stored() const;

    int startClasses() const { return firstClasses; }
    // Starts with at least `classes` classes, now and when the history is
    // taken in.
    void startWithAtLeast(int classes);

    // The history read at start, oldest first, and the id of its last row.
    void takeHistory(const std::vector<CourseAnswer> &answers, std::int64_t lastRowId);
    bool hasHistory() const { return historyTaken; }

    CourseQuestion question();
    // Scores an answer to the current question and draws the next. `rowId`
    // is the answer's history row (0 when it is held or not recorded): an
    // answer the history read at start already holds is not taken in twice.
    RecordedAnswer answer(int answeredNote, long long reactionMs, std::int64_t rowId = 0);
    // An answer of the other course: learnt from as the history would give
    // it at the next start, without a question of this course being asked.
    void observe(const CourseAnswer &other, std::int64_t rowId = 0);

    AdaptiveCourse &course() { return engine; }
    const AdaptiveCourse &course() const { return engine; }

private:
    struct Given {
        CourseAnswer answer;
        std::int64_t rowId = 0;
    };

    int firstClasses;
    AdaptiveCourse engine;
    std::optional<CourseQuestion> current;
    bool historyTaken = false;
    std::vector<Given> beforeHistory;
};

} // namespace Course
