#include "application.h"
#include "command_line.h"

#include <QMessageBox>

int main(int argc, char **argv)
{
    const CommandLineRequest request = parseCommandLine(argumentsOf(argc, argv));
    if (request.action != CommandLineRequest::Action::OpenWindow)
        return runWithoutWindow(request, argc, argv);

    Application app(argc, argv);
    if (!app.startupFailure().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvelle"),
                              Application::tr("Orvelle cannot play notes and has to stop: %1").arg(app.startupFailure()));
        return 1;
    }
    return app.exec();
}
