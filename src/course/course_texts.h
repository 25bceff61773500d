#pragma once

#include "adaptive_course.h"

#include <QString>
#include <QVariantMap>

namespace Course {

// The class of a note index in the learner's note names ("C", "Do", "H" …).
QString className(int noteIndex);
// The state's name as the window shows it, translated.
QString stateText(ClassState state);
// "1.2 s": a reaction time for the feedback line; empty when unknown.
QString secondsText(long long ms);

// The round's summary as the window's summary panel reads it: a headline
// with the score, and a detail with the classes that moved, the deadline,
// what unlocks next and the two most confused pairs ("You hear F♯ as G:
// 7 times").
QVariantMap roundSummaryForDocument(const RoundSummary &summary);

} // namespace Course
