#include "jack_test_server.h"

#include <QProcessEnvironment>
#include <QStringList>

#include <jack/jack.h>

#include <chrono>

JackServer::JackServer(const QString &serverName, int rate, int period, int timeoutMs)
    : name(serverName), sampleRate(rate), periodSize(period), clientTimeoutMs(timeoutMs)
{
    Start();
}

JackServer::~JackServer()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

void JackServer::Start()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("JACK_NO_AUDIO_RESERVATION"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    const int periodMicroseconds = static_cast<int>(1e6 * periodSize / sampleRate);
    QStringList arguments{QStringLiteral("--no-realtime"), QStringLiteral("--name"), name};
    if (clientTimeoutMs > 0)
        arguments << QStringLiteral("-t") << QString::number(clientTimeoutMs);
    arguments << QStringLiteral("-d") << QStringLiteral("dummy") << QStringLiteral("-r") << QString::number(sampleRate)
              << QStringLiteral("-p") << QString::number(periodSize) << QStringLiteral("-w")
              << QString::number(periodMicroseconds);
    process.start(QStringLiteral("jackd"), arguments);
    process.waitForStarted(10000);
}

bool JackServer::Started() const
{
    return process.state() == QProcess::Running;
}

bool JackServer::WaitUntilReady(int timeoutMilliseconds)
{
    const QByteArray serverName = name.toUtf8();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    // Failed attempts print "Cannot connect to server socket"; not news here.
    jack_set_error_function([](const char *) {});
    bool ready = false;
    bool slotsFreed = false;
    while (!ready && std::chrono::steady_clock::now() < deadline) {
        if (!Started()) {
            // Servers killed outright elsewhere keep their slots in JACK's table.
            if (slotsFreed || !Output().contains(QLatin1String("Too many servers")))
                break;
            QProcess::execute(QStringLiteral(ORVELLE_TEST_SUPPORT_DIR "/free-stale-jack-slots.sh"), {});
            slotsFreed = true;
            Start();
            continue;
        }
        jack_status_t status {};
        jack_client_t *client = jack_client_open("orvelle-test-ready", jack_options_t(JackNoStartServer | JackServerName),
                                                 &status, serverName.constData());
        if (client) {
            jack_client_close(client);
            ready = true;
        } else {
            process.waitForFinished(50);
        }
    }
    jack_set_error_function(nullptr);
    return ready;
}

QString JackServer::Output() const
{
    output += QString::fromLocal8Bit(process.readAll());
    return output;
}
