#pragma once

#include <QString>
#include <QStringList>

// What the program is asked to do by its command line. Everything but a
// plain start runs without a window, and so without a display.
struct CommandLineRequest {
    enum class Action { OpenWindow, Help, Print, ExportHistory, Statistics };
    Action action = Action::OpenWindow;
    // For Print: the text and where it goes, and the exit status.
    QString text;
    bool toStandardError = false;
    int exitCode = 0;
    QString exportFile;
};

// Exit status of a command line that cannot be carried out.
constexpr int kUsageExitCode = 2;

// Qt's own options (-platform, -style …) are accepted and left to Qt.
CommandLineRequest parseCommandLine(const QStringList &arguments);
QStringList argumentsOf(int argc, char **argv);

// The line to print when a window is asked for but there is no display to
// show it on (and no platform that needs none); empty when all is well.
QString missingDisplay(const QStringList &arguments);

// Runs a request that needs no window; returns the exit status.
int runWithoutWindow(const CommandLineRequest &request, int &argc, char **argv);

// The names under which the settings store and the history are found.
void setApplicationNames();
