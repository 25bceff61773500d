// The instance guard and the quit on signals, without a window: who is
// first, how a later start reaches it, how the lock passes on when the first
// ends while a later one waits, and that a signal only runs the quit in the
// event loop.

#include "instance_guard.h"
#include "quit_signals.h"

#include <QLocalSocket>
#include <QtTest>

#include <csignal>
#include <future>

class ProcessTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    // Asks on another thread, as a second process would, while this one's
    // event loop answers.
    static bool askMeanwhile(InstanceGuard &later, int timeoutMs)
    {
        auto asked = std::async(std::launch::async, [&later, timeoutMs] { return later.askFirstToShow(timeoutMs); });
        while (asked.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return asked.get();
    }

private slots:
    void theFirstStartShowsItsWindowForEveryLaterOne()
    {
        InstanceGuard first(folder.path());
        QCOMPARE(first.role(), InstanceGuard::Role::First);
        int shown = 0;
        first.serve([&shown] { ++shown; });
        for (int start = 1; start <= 3; ++start) {
            InstanceGuard later(folder.path());
            QCOMPARE(later.role(), InstanceGuard::Role::Second);
            QVERIFY(askMeanwhile(later, 5000));
            QCOMPARE(shown, start);
            QCOMPARE(later.role(), InstanceGuard::Role::Second);
        }
        // Something that is not a request is dropped, and the guard goes on.
        {
            QLocalSocket stranger;
            stranger.connectToServer(InstanceGuard::socketPath(folder.path()));
            QVERIFY(stranger.waitForConnected(5000));
            stranger.write(QByteArray(200, 'x'));
            QVERIFY(stranger.waitForBytesWritten(5000));
            QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        }
        InstanceGuard later(folder.path());
        QVERIFY(askMeanwhile(later, 5000));
        QCOMPARE(shown, 4);
    }

    void aStartThatFindsTheFirstEndingCarriesOnAsTheFirst()
    {
        auto first = std::make_unique<InstanceGuard>(folder.path());
        QCOMPARE(first->role(), InstanceGuard::Role::First);
        InstanceGuard later(folder.path());
        QCOMPARE(later.role(), InstanceGuard::Role::Second);
        first->serve(nullptr);
        first->stopServing(); // the window is going: no answer any more
        auto asked = std::async(std::launch::async, [&later] { return later.askFirstToShow(10000); });
        QTest::qWait(200);
        first.reset();
        QCOMPARE(asked.get(), false);
        QCOMPARE(later.role(), InstanceGuard::Role::First);

        // And it answers the starts after it.
        int shown = 0;
        later.serve([&shown] { ++shown; });
        InstanceGuard third(folder.path());
        QVERIFY(askMeanwhile(third, 5000));
        QCOMPARE(shown, 1);
    }

    void whatAKilledStartLeftStopsNothing()
    {
        // A socket file with nobody behind it, and a lock file nobody holds.
        QFile left(InstanceGuard::socketPath(folder.path()));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        InstanceGuard first(folder.path());
        QCOMPARE(first.role(), InstanceGuard::Role::First);
        QVERIFY2(first.problem().isEmpty(), qPrintable(first.problem()));
        int shown = 0;
        first.serve([&shown] { ++shown; });
        InstanceGuard later(folder.path());
        QVERIFY(askMeanwhile(later, 5000));
        QCOMPARE(shown, 1);
    }

    void withoutAPlaceForTheLockTheProgramStillRuns()
    {
        // A file where the folder should be stops root as well as a user.
        const QString blocker = folder.filePath("blocker");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        InstanceGuard guard(blocker + "/run");
        QCOMPARE(guard.role(), InstanceGuard::Role::Unguarded);
        QVERIFY(!guard.problem().isEmpty());
    }

    void aSignalToEndRunsTheQuitInTheEventLoop()
    {
        QVERIFY(QuitSignals::catchFromNow());
        // Raised before anyone reads the pipe: it waits there.
        std::raise(SIGTERM);
        QList<int> received;
        QuitSignals quit([&received](int signal) { received << signal; });
        QVERIFY(received.isEmpty()); // nothing runs inside the handler or the constructor
        std::raise(SIGINT);
        std::raise(SIGHUP);
        QTRY_COMPARE(received, (QList<int>{SIGTERM, SIGINT, SIGHUP}));
    }
};

QTEST_GUILESS_MAIN(ProcessTest)
#include "test_process.moc"
