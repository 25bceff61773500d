#pragma once

#include "answer_history.h"

#include <course_timeline.h>

#include <QString>

// The adaptive course as the history shows it.

// How the course reads one history row.
Course::CourseAnswer courseAnswerOf(const AnswerRecord &record);

// Every class's state, accuracy and octave share, the deadline, and when
// each class first became secure and mastered, as `--stats` prints them;
// empty when no answer was given in the adaptive course.
QString courseReport(const std::vector<AnswerRecord> &answers, int startClasses);
