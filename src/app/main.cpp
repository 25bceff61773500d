#include "application.h"
#include "command_line.h"

int main(int argc, char **argv)
{
    const CommandLineRequest request = parseCommandLine(argumentsOf(argc, argv));
    if (request.action != CommandLineRequest::Action::OpenWindow)
        return runWithoutWindow(request, argc, argv);

    Application app(argc, argv);
    return app.exec();
}
