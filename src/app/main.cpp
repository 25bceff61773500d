#include "application.h"
#include "leak_check_exit.h"

#include <command_line.h>
#include <instance_guard.h>
#include <quit_signals.h>

#include <cstdio>

namespace {
// How long a second start waits for the first to show its window.
constexpr int kShowTimeoutMs = 1500;
} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLineRequest request = parseCommandLine(arguments);
    if (request.action != CommandLineRequest::Action::OpenWindow)
        return runWithoutWindow(request, argc, argv);
    const QString noDisplay = missingDisplay(arguments);
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(noDisplay));
        return 1;
    }

    // One window per user: a second start shows the first one's and ends
    // before it opens the store or the history.
    InstanceGuard instance;
    if (instance.role() == InstanceGuard::Role::Second) {
        instance.askFirstToShow(kShowTimeoutMs);
        if (instance.role() == InstanceGuard::Role::Second)
            return 0;
    }
    if (!instance.problem().isEmpty())
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(instance.problem()));
    QuitSignals::catchFromNow();

    Application app(argc, argv);
    instance.serve([&app] { app.bringToFront(); });
    // A signal to end takes the close button's way out.
    const QuitSignals quitSignals([](int) { QCoreApplication::quit(); });
    const int status = app.exec();
    instance.stopServing();
    // Before the window and its graphics driver go.
    keepLibrariesMappedForTheLeakCheck();
    return status;
}
