#pragma once

#include <QSqlDatabase>
#include <QString>

// Finished pitch tests of a set-aside history, copied into the current one
// with their trials, each test in one transaction under a new id. Tests
// left unfinished or discarded are never scored and stay behind, as does
// a test the history already holds (same seed and start).
struct PitchTestsRecovered {
    int tests = 0;
    int skipped = 0;  // finished tests whose trials could not all be read
    QString problem;  // the history could not be written
};
PitchTestsRecovered recoverFinishedPitchTests(QSqlDatabase source, QSqlDatabase target);
