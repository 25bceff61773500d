// What the program's own start-ups hardly ever meet (those are in
// test_startup and test_kill): the lock passing on when the first start ends
// while a later one waits, no place for the lock at all, and a signal that
// comes before anyone reads it.

#include "instance_guard.h"
#include "quit_signals.h"

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
