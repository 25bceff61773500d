#pragma once

#include <QProcess>
#include <QString>

// A JACK server with the dummy driver (no sound card needed), running for
// the life of the object under the name given; clients find it through
// JACK_DEFAULT_SERVER. Stopped with SIGTERM and awaited: a server killed
// outright keeps its slot in JACK's table of eight.
class JackServer {
public:
    // A client timeout of 0 keeps jackd's own; a long one spares slow
    // (sanitized) clients from being thrown out.
    JackServer(const QString &name, int sampleRate, int periodSize, int clientTimeoutMs = 0);
    ~JackServer();
    JackServer(const JackServer &) = delete;
    JackServer &operator=(const JackServer &) = delete;

    bool Started() const;
    // Waits until clients can connect; false if the time passes or the
    // server cannot run. A server refused for want of a slot is started
    // again once the slots of servers that are gone are freed.
    bool WaitUntilReady(int timeoutMilliseconds);
    // What the server printed so far.
    QString Output() const;
    qint64 ProcessId() const { return process.processId(); }

private:
    void Start();

    const QString name;
    const int sampleRate;
    const int periodSize;
    const int clientTimeoutMs;
    mutable QProcess process;
    mutable QString output;
};
