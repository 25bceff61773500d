// The process-wide 1 ms timer.
#include <error.h>
#include <timer.h>

#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace Core;

namespace {

// Writes its tag into a shared log on every tick, with the time it was given.
class TaggedObserver : public MultimediaTimerObserver {
public:
    struct Entry {
        char tag;
        std::int64_t time;
    };

    TaggedObserver(char t, std::mutex &m, std::vector<Entry> &l) : tag(t), mutex(m), log(l) {}
    void OnTimer(std::int64_t timeMs) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        log.push_back({tag, timeMs});
    }

private:
    char tag;
    std::mutex &mutex;
    std::vector<Entry> &log;
};

class CountingObserver : public MultimediaTimerObserver {
public:
    void OnTimer(std::int64_t) override
    {
        if (unsubscribed.load())
            lateTicks.fetch_add(1);
        ticks.fetch_add(1);
    }
    std::atomic<int> ticks{0};
    std::atomic<bool> unsubscribed{false};
    std::atomic<int> lateTicks{0};
};

// Wants ticks only while `wanted` is set, as the note player between notes.
class SometimesObserver : public MultimediaTimerObserver {
public:
    void OnTimer(std::int64_t) override { ticks.fetch_add(1); }
    bool WantsTicks() const override { return wanted.load(); }
    std::atomic<int> ticks{0};
    std::atomic<bool> wanted{false};
};

// Bytes of address space the process has mapped now.
rlim_t MappedBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return static_cast<rlim_t>(fields.value(0).toULongLong()) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

QString Tags(const std::vector<TaggedObserver::Entry> &log, std::size_t from)
{
    QString tags;
    for (std::size_t i = from; i < log.size(); ++i)
        tags += QLatin1Char(log[i].tag);
    return tags;
}

} // namespace

class CoreTimerTest : public QObject {
    Q_OBJECT

private slots:
    void nowMsFollowsTheMonotonicClock()
    {
        timespec before;
        clock_gettime(CLOCK_MONOTONIC, &before);
        const std::int64_t now = Timer::NowMs();
        timespec after;
        clock_gettime(CLOCK_MONOTONIC, &after);
        QVERIFY(now >= std::int64_t(before.tv_sec) * 1000 + before.tv_nsec / 1000000);
        QVERIFY(now <= std::int64_t(after.tv_sec) * 1000 + after.tv_nsec / 1000000);
    }

    void twoSubscriptionsGiveTwoCallsPerTick()
    {
        std::mutex mutex;
        std::vector<TaggedObserver::Entry> log;
        TaggedObserver a('a', mutex, log), b('b', mutex, log);
        Timer::Subscribe(&a);
        Timer::Subscribe(&a);
        Timer::Subscribe(&b);
        const std::uint32_t id = Timer::CurrentId();
        QVERIFY(id != 0);
        auto count = [&] {
            std::lock_guard<std::mutex> lock(mutex);
            return log.size();
        };
        QTRY_VERIFY_WITH_TIMEOUT(count() >= 30, 10000);

        Timer::Unsubscribe(&a);
        std::size_t mark = 0;
        {
            std::lock_guard<std::mutex> lock(mutex);
            mark = log.size();
        }
        QTRY_VERIFY_WITH_TIMEOUT(count() >= mark + 30, 10000);
        QCOMPARE(Timer::CurrentId(), id); // one entry of a is still there
        Timer::Unsubscribe(&a);
        Timer::Unsubscribe(&b);
        QCOMPARE(Timer::CurrentId(), 0u);

        // Ticks of three entries run a, a, b; after one removal a, b.
        const QString before = Tags(log, 0).left(static_cast<int>(mark));
        const QString after = Tags(log, mark);
        const int firstB = before.indexOf(QLatin1Char('b'));
        QVERIFY(firstB >= 0);
        const QString whole = before.mid(firstB + 1);
        QVERIFY(whole.size() >= 27);
        const QString ticks3 = whole.left(whole.size() - whole.size() % 3);
        QCOMPARE(ticks3, QStringLiteral("aab").repeated(ticks3.size() / 3));
        const int bAfter = after.indexOf(QLatin1Char('b'));
        const QString tail = after.mid(bAfter + 1);
        const QString ticks2 = tail.left(tail.size() - tail.size() % 2);
        QCOMPARE(ticks2, QStringLiteral("ab").repeated(ticks2.size() / 2));
    }

    void timesNeverDecrease()
    {
        std::mutex mutex;
        std::vector<TaggedObserver::Entry> log;
        TaggedObserver a('a', mutex, log);
        const std::int64_t start = Timer::Subscribe(&a);
        QTRY_VERIFY_WITH_TIMEOUT(([&] { std::lock_guard<std::mutex> l(mutex); return log.size() >= 200; }()), 10000);
        Timer::Unsubscribe(&a);
        std::int64_t previous = start;
        for (const auto &entry : log) {
            QVERIFY(entry.time >= previous);
            previous = entry.time;
        }
    }

    void restartingGivesANewId()
    {
        CountingObserver observer;
        Timer::Subscribe(&observer);
        const std::uint32_t first = Timer::CurrentId();
        QVERIFY(first != 0);
        Timer::Unsubscribe(&observer);
        QCOMPARE(Timer::CurrentId(), 0u);
        Timer::Subscribe(&observer);
        const std::uint32_t second = Timer::CurrentId();
        QVERIFY(second != 0);
        QVERIFY(second != first);
        QTRY_VERIFY_WITH_TIMEOUT(observer.ticks.load() > 0, 10000);
        Timer::Unsubscribe(&observer);
        Timer::Unsubscribe(&observer); // absent now: nothing happens
        QCOMPARE(Timer::CurrentId(), 0u);
    }

    void noTickAfterUnsubscribeReturns()
    {
        CountingObserver stays, leaves;
        Timer::Subscribe(&stays);
        for (int i = 0; i < 50; ++i) {
            leaves.unsubscribed = false;
            Timer::Subscribe(&leaves);
            const int target = stays.ticks.load() + 2;
            QTRY_VERIFY_WITH_TIMEOUT(stays.ticks.load() >= target, 10000);
            Timer::Unsubscribe(&leaves);
            leaves.unsubscribed = true;
        }
        const int target = stays.ticks.load() + 5;
        QTRY_VERIFY_WITH_TIMEOUT(stays.ticks.load() >= target, 10000);
        Timer::Unsubscribe(&stays);
        QCOMPARE(leaves.lateTicks.load(), 0);
    }

    void failedStartRaisesErrorAndKeepsNoObserver()
    {
        CountingObserver refused, later;
        rlimit original;
        QVERIFY(getrlimit(RLIMIT_AS, &original) == 0);
        // Room for small allocations, none for a thread's stack.
        rlimit tight = original;
        tight.rlim_cur = MappedBytes() + 512 * 1024;
        bool raised = false;
        int code = 0;
        QString function, message;
        QVERIFY(setrlimit(RLIMIT_AS, &tight) == 0);
        try {
            Timer::Subscribe(&refused);
        } catch (const Error &error) {
            raised = true;
            code = error.GetCode();
            function = QString::fromLatin1(error.GetFunction());
            message = error.GetMessage();
        }
        QVERIFY(setrlimit(RLIMIT_AS, &original) == 0);
        if (!raised) {
            Timer::Unsubscribe(&refused);
            QSKIP("the thread started despite the address-space limit");
        }
        QCOMPARE(code, 1025);
        QCOMPARE(function, QStringLiteral("Core::Timer::Start"));
        QCOMPARE(message, QStringLiteral("Error starting timer"));
        QCOMPARE(Timer::CurrentId(), 0u);

        Timer::Subscribe(&later);
        QTRY_VERIFY_WITH_TIMEOUT(later.ticks.load() >= 5, 10000);
        Timer::Unsubscribe(&later);
        QCOMPARE(refused.ticks.load(), 0);
    }

    // An idle timer must not wake the machine: no tick at all until Wake, then
    // the 1 ms grid at once, then sleep again when nobody wants ticks.
    void sleepsWithoutWakeUpsWhileNoObserverWantsTicks()
    {
        SometimesObserver observer;
        Timer::Subscribe(&observer);
        QTRY_VERIFY_WITH_TIMEOUT(observer.ticks.load() >= 1, 10000); // the tick that asks
        QTest::qWait(20);
        const std::uint64_t idleFrom = Timer::WakeUpCount();
        const int ticksFrom = observer.ticks.load();
        QTest::qWait(300);
        QCOMPARE(Timer::WakeUpCount(), idleFrom);
        QCOMPARE(observer.ticks.load(), ticksFrom);

        observer.wanted = true;
        Timer::Wake();
        QTRY_VERIFY_WITH_TIMEOUT(observer.ticks.load() >= ticksFrom + 50, 10000);
        observer.wanted = false;
        QTest::qWait(20);
        const std::uint64_t sleepingFrom = Timer::WakeUpCount();
        QTest::qWait(200);
        QCOMPARE(Timer::WakeUpCount(), sleepingFrom);

        // A Wake that finds nobody wanting ticks costs one wake-up, no grid.
        Timer::Wake();
        QTRY_COMPARE_WITH_TIMEOUT(Timer::WakeUpCount(), sleepingFrom + 1, 10000);
        QTest::qWait(100);
        QCOMPARE(Timer::WakeUpCount(), sleepingFrom + 1);
        Timer::Unsubscribe(&observer);
        QCOMPARE(Timer::CurrentId(), 0u);
    }

    void subscribeUnsubscribeAndDestroyInATightLoop()
    {
        auto churn = [] {
            for (int i = 0; i < 1000; ++i) {
                auto observer = std::make_unique<CountingObserver>();
                Timer::Subscribe(observer.get());
                if (i % 7 == 0)
                    std::this_thread::yield();
                Timer::Unsubscribe(observer.get());
            }
        };
        std::thread other(churn);
        churn();
        other.join();
        QCOMPARE(Timer::CurrentId(), 0u);
    }
};

QTEST_GUILESS_MAIN(CoreTimerTest)
#include "test_core_timer.moc"
