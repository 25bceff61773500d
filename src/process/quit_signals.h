#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the program the way its close button does:
// the handler only writes the signal's number into a pipe, and the event
// loop reads it and runs the quit. A second signal of the same kind, while
// the first is being dealt with, ends the program at once.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now on; one that comes before a QuitSignals
    // exists waits in the pipe for it. False when they cannot be caught.
    static bool catchFromNow();

    // Runs `quit` in the event loop for every caught signal. Needs the
    // application object, and catchFromNow() to have been called.
    explicit QuitSignals(std::function<void(int signal)> quit);
    ~QuitSignals() override;

private:
    void readPipe();

    std::function<void(int)> quitNow;
    std::unique_ptr<QSocketNotifier> notifier;
};
