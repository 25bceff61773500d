#pragma once

#include <QString>

namespace PitchTest {

class TestStore;

// Where the pitch test trials go beside an export of the answers to
// `answersFile`: "answers.csv" gives "answers-tests.csv", any other name
// gets "-tests.csv" added.
QString TestsCsvPath(const QString &answersFile);

// Every kept trial of every test not discarded as CSV (RFC 4180, a header
// row), replacing `target` only once all is written. False with a line for
// the user when it fails; `written` gets the number of trials.
bool ExportTestsCsv(TestStore &store, const QString &target, QString &error, int *written = nullptr);

} // namespace PitchTest
