#include "instance_guard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const char kShowRequest[] = "show\n";
const char kShownAnswer[] = "shown\n";
// A request is one short line; anything longer is not one of ours.
constexpr qint64 kLongestRequest = 64;
constexpr int kRetryPauseMs = 50;

bool toAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() >= int(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// A connected socket to `path`, or -1.
int connectTo(const QString &path)
{
    sockaddr_un address;
    if (!toAddress(path, address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Sends the request and waits for the answer; false when none came in time
// or the other end closed first.
bool request(int fd, qint64 deadlineMs, const QElapsedTimer &clock)
{
    const std::size_t length = sizeof kShowRequest - 1;
    if (::send(fd, kShowRequest, length, MSG_NOSIGNAL) != ssize_t(length))
        return false;
    QByteArray received;
    while (clock.elapsed() < deadlineMs) {
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, int(deadlineMs - clock.elapsed()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        char buffer[32];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        received.append(buffer, int(n));
        if (received.contains('\n'))
            return received == kShownAnswer;
    }
    return false;
}

} // namespace

QString InstanceGuard::defaultFolder()
{
    // Qt checks the folder's owner and rights, and makes one when the
    // variable is not set.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QStringList InstanceGuard::files()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) {
        // Where Qt makes the folder when the variable is not set.
        const passwd *user = ::getpwuid(::geteuid());
        if (!user)
            return {};
        folder = QDir::temp().filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(user->pw_name));
    }
    return {lockPath(folder), socketPath(folder)};
}

QString InstanceGuard::lockPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("orvelle.lock"));
}

QString InstanceGuard::socketPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("orvelle.socket"));
}

InstanceGuard::InstanceGuard(const QString &folder) : lockFile(lockPath(folder)), socketFile(socketPath(folder))
{
    if (folder.isEmpty()) {
        problemText = QStringLiteral("there is no runtime folder for the instance lock");
        return;
    }
    lockFd = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd < 0) {
        problemText = QStringLiteral("%1 cannot be opened: %2").arg(lockFile, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    if (takeLock()) {
        currentRole = Role::First;
        openSocket();
    } else if (errno == EWOULDBLOCK) {
        currentRole = Role::Second;
    } else {
        problemText = QStringLiteral("%1 cannot be locked: %2").arg(lockFile, QString::fromLocal8Bit(std::strerror(errno)));
    }
}

InstanceGuard::~InstanceGuard()
{
    server.reset();
    if (listenFd >= 0)
        ::close(listenFd);
    // The socket goes while the lock is still held, so that it never
    // removes the socket of a start that follows.
    if (currentRole == Role::First)
        ::unlink(QFile::encodeName(socketFile).constData());
    if (lockFd >= 0)
        ::close(lockFd);
}

bool InstanceGuard::takeLock()
{
    return ::flock(lockFd, LOCK_EX | LOCK_NB) == 0;
}

bool InstanceGuard::openSocket()
{
    // Whatever socket file is there was left by a start that is gone: the
    // lock says no other one runs.
    const QByteArray name = QFile::encodeName(socketFile);
    ::unlink(name.constData());
    sockaddr_un address;
    if (!toAddress(socketFile, address)) {
        problemText = QStringLiteral("the socket path %1 is too long").arg(socketFile);
        return false;
    }
    listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd >= 0 && ::bind(listenFd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
        ::listen(listenFd, 8) == 0)
        return true;
    problemText = QStringLiteral("%1 cannot be opened: %2").arg(socketFile, QString::fromLocal8Bit(std::strerror(errno)));
    if (listenFd >= 0)
        ::close(listenFd);
    listenFd = -1;
    return false;
}

void InstanceGuard::serve(std::function<void()> show)
{
    showWindow = std::move(show);
    if (currentRole != Role::First || listenFd < 0)
        return;
    server = std::make_unique<QLocalServer>();
    if (!server->listen(listenFd)) {
        problemText = server->errorString();
        server.reset();
        return;
    }
    listenFd = -1; // the server's now
    connect(server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = server->nextPendingConnection())
            answer(client);
    });
}

void InstanceGuard::stopServing()
{
    server.reset();
    showWindow = nullptr;
}

void InstanceGuard::answer(QLocalSocket *client)
{
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    const auto handle = [this, client] {
        if (!client->canReadLine()) {
            if (client->bytesAvailable() > kLongestRequest)
                client->abort();
            return;
        }
        if (client->readLine(kLongestRequest) == kShowRequest) {
            if (showWindow)
                showWindow();
            client->write(kShownAnswer);
            client->flush();
        }
        client->disconnectFromServer();
    };
    connect(client, &QLocalSocket::readyRead, this, handle);
    // A request may have come with the connection.
    handle();
}

bool InstanceGuard::askFirstToShow(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (currentRole == Role::Second && clock.elapsed() < timeoutMs) {
        const int fd = connectTo(socketFile);
        if (fd >= 0) {
            const bool answered = request(fd, timeoutMs, clock);
            ::close(fd);
            if (answered)
                return true;
        }
        // No socket yet (the first is just starting) or none any more (it is
        // ending): should the lock come free, this start carries on as the first.
        if (takeLock()) {
            currentRole = Role::First;
            openSocket();
            return false;
        }
        ::usleep(kRetryPauseMs * 1000);
    }
    return false;
}
