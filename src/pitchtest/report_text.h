#pragma once

#include "test_scoring.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace PitchTest {

// A finished test as kept: when it ended, its seed and its figures.
struct FinishedTest {
    qint64 id = 0;
    QDateTime finishedAt;
    quint64 seed = 0;
    TestReport report;
};

// The lines of a report shared by the page, the PDF and the terminal:
// label and value per row, per timbre and overall.
struct ReportRow {
    QString label;
    QString piano;
    QString pureTone;
    QString overall;
};
std::vector<ReportRow> ReportRows(const TestReport &report);

// "Absolute pitch line (24.5 of 36 on pure tones): reached" or "not reached".
QString ApLineText(const TestReport &report);

// What `--tests` prints: one line per finished test, oldest first, or a
// line saying there is none.
QString TestsListText(const std::vector<FinishedTest> &tests);

} // namespace PitchTest
