#pragma once

#include "report_text.h"

#include <QString>

namespace PitchTest {

// Writes the report of a finished test to one A4 page of PDF. Returns an
// empty string on success, else one line that says what went wrong.
QString WriteReportPdf(const FinishedTest &test, const QString &path);

} // namespace PitchTest
