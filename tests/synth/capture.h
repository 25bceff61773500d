#pragma once

#include <QString>
#include <QStringList>

namespace SynthTest {

// Collects the warnings written through Qt's message handler while it lives
// (from any thread), instead of printing them.
class WarningLog {
public:
    WarningLog();
    ~WarningLog();
    WarningLog(const WarningLog &) = delete;
    WarningLog &operator=(const WarningLog &) = delete;

    // The warnings so far; the log is emptied.
    QStringList Take();
};

// Redirects the process's stderr (file descriptor 2) into a temporary file
// while it lives, so a test can see what libraries printed to the terminal.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;

    // Restores stderr and returns what was written meanwhile.
    QString Finish();

private:
    int savedFd = -1;
    int fileFd = -1;
};

} // namespace SynthTest
