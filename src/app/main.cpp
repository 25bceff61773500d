#include "application.h"

#include <QMessageBox>

int main(int argc, char **argv)
{
    Application app(argc, argv);
    if (!app.startupFailure().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvelle"),
                              Application::tr("Orvelle cannot play notes and has to stop: %1").arg(app.startupFailure()));
        return 1;
    }
    return app.exec();
}
