#include "capture.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <unistd.h>

namespace SynthTest {

namespace {

std::mutex logMutex;
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void CollectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg) {
        std::lock_guard<std::mutex> lock(logMutex);
        warnings << message;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

WarningLog::WarningLog()
{
    Take();
    previousHandler = qInstallMessageHandler(CollectWarnings);
}

WarningLog::~WarningLog()
{
    qInstallMessageHandler(previousHandler);
}

QStringList WarningLog::Take()
{
    std::lock_guard<std::mutex> lock(logMutex);
    QStringList taken;
    taken.swap(warnings);
    return taken;
}

StderrCapture::StderrCapture()
{
    std::fflush(stderr);
    char path[] = "/tmp/orvelle-stderr-XXXXXX";
    fileFd = mkstemp(path);
    if (fileFd < 0)
        return;
    unlink(path);
    savedFd = dup(STDERR_FILENO);
    dup2(fileFd, STDERR_FILENO);
}

StderrCapture::~StderrCapture()
{
    Finish();
}

QString StderrCapture::Finish()
{
    if (savedFd < 0)
        return QString();
    std::fflush(stderr);
    dup2(savedFd, STDERR_FILENO);
    close(savedFd);
    savedFd = -1;

    std::string text;
    char buffer[4096];
    lseek(fileFd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fileFd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(fileFd);
    fileFd = -1;
    return QString::fromStdString(text);
}

} // namespace SynthTest
