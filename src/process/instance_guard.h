#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

// One running program per user. The first start holds a lock in the user's
// runtime folder for as long as it lives and listens on a local socket
// beside it; a later start finds the lock taken, asks the first through the
// socket to show its window, and ends.
//
// The lock is an flock(2) lock, which the system drops with its process, so
// a program that crashed or was killed leaves nothing that stops the next
// start; its socket file is removed by whoever takes the lock next. Neither
// needs a session bus.
class InstanceGuard : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,     // this process holds the lock
        Second,    // another one does
        Unguarded, // the lock cannot be made (see problem()); runs anyway
    };

    // $XDG_RUNTIME_DIR, or Qt's per-user stand-in when it is not set.
    static QString defaultFolder();
    static QString lockPath(const QString &folder);
    static QString socketPath(const QString &folder);
    // The lock and the socket in the default folder, found without making
    // anything.
    static QStringList files();

    // Takes the lock or finds it taken; a first start also opens its socket,
    // which queues requests until serve() answers them. Needs no
    // application object.
    explicit InstanceGuard(const QString &folder = defaultFolder());
    ~InstanceGuard() override;
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    Role role() const { return currentRole; }
    const QString &problem() const { return problemText; }

    // First: from now on `show` runs in the event loop for every later start.
    // Needs the application object.
    void serve(std::function<void()> show);
    // Stops answering: the window is going.
    void stopServing();

    // Second: asks the first to show its window and waits up to `timeoutMs`
    // for its answer. Should the first end meanwhile, this process takes the
    // lock and becomes the first (role() says so). True when the first
    // answered.
    bool askFirstToShow(int timeoutMs);

private:
    bool takeLock();
    bool openSocket();
    void answer(QLocalSocket *client);

    QString lockFile;
    QString socketFile;
    Role currentRole = Role::Unguarded;
    QString problemText;
    int lockFd = -1;
    int listenFd = -1; // handed to `server` by serve()
    std::unique_ptr<QLocalServer> server;
    std::function<void()> showWindow;
};
