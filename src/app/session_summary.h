#pragma once

#include "question_bank.h"

#include <QString>
#include <QVariantMap>

// What the window shows when a session is over: the score against the pass
// mark and what comes next, e.g. "Level 3 passed: C, D, E and F next".
struct SessionSummary {
    unsigned percent = 0; // of the questions answered right, rounded down
    QString headline;
    QString detail;
};

SessionSummary summarize(const SessionOutcome &outcome);
// The summary and the outcome as the window document reads them.
QVariantMap summaryForDocument(const SessionOutcome &outcome);
// "C", "C and D", "C, D and E" … for the notes a level drills.
QString levelNotesText(unsigned level);
