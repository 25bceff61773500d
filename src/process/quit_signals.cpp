#include "quit_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

const int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Written by the handler, read by the event loop; both ends non-blocking, so
// that a full pipe drops a signal rather than hanging the handler.
int signalPipe[2] = {-1, -1};

extern "C" void onQuitSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (::write(signalPipe[1], &number, 1) < 0) {
        // Nothing a handler can safely do about it.
    }
    errno = saved;
}

} // namespace

bool QuitSignals::catchFromNow()
{
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    // Once caught, the next signal of the kind has its default effect: a
    // program stuck while ending can still be stopped.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    bool all = true;
    for (const int signal : kQuitSignals)
        all = ::sigaction(signal, &action, nullptr) == 0 && all;
    return all;
}

QuitSignals::QuitSignals(std::function<void(int)> quit) : quitNow(std::move(quit))
{
    if (signalPipe[0] < 0)
        return;
    notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &QuitSignals::readPipe);
}

QuitSignals::~QuitSignals() = default;

void QuitSignals::readPipe()
{
    unsigned char number = 0;
    while (::read(signalPipe[0], &number, 1) == 1) {
        if (quitNow)
            quitNow(number);
    }
}
