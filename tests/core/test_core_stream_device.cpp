// The note player: a stream of timed events played on the 1 ms timer.
#include <midi/midi_stream_device.h>

#include <QtTest>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace Core;

namespace {

// Records each dispatched event with the player's elapsed time at that moment.
class Listener : public MidiDeviceObserver, public MidiInStreamDeviceObserver {
public:
    explicit Listener(MidiInStreamDeviceAuto &p) : player(p) {}

    void OnMidiEvent(const MidiEvent &event) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(event);
        elapsedAtDispatch.push_back(player.GetElapsed());
    }
    void onStreamFinished() override
    {
        if (player.IsPlaying())
            finishedWhilePlaying.fetch_add(1);
        finished.fetch_add(1);
    }
    int EventCount() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return static_cast<int>(events.size());
    }
    std::vector<MidiEvent> Events() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return events;
    }
    std::vector<double> Elapsed() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return elapsedAtDispatch;
    }

    MidiInStreamDeviceAuto &player;
    std::atomic<int> finished{0};
    std::atomic<int> finishedWhilePlaying{0};

private:
    mutable std::mutex mutex;
    std::vector<MidiEvent> events;
    std::vector<double> elapsedAtDispatch;
};

std::shared_ptr<MidiStream> Note(std::uint8_t note, double seconds, std::int32_t offTick = 0)
{
    auto stream = std::make_shared<MidiStream>();
    stream->Append(MidiMessage(0x90, 0, note, 96), 0, 0.0);
    stream->Append(MidiMessage(0x80, 0, note, 96), offTick, seconds);
    return stream;
}

// Waits long enough for a good number of ticks to have run.
void LetTicksPass()
{
    QTest::qWait(150);
}

} // namespace

class CoreStreamDeviceTest : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<MidiInStreamDeviceAuto> player;
    std::unique_ptr<Listener> listener;

private slots:
    void init()
    {
        player = std::make_shared<MidiInStreamDeviceAuto>();
        listener = std::make_unique<Listener>(*player);
        QVERIFY(player->AddObserver(static_cast<MidiDeviceObserver *>(listener.get())));
        QVERIFY(player->AddStreamObserver(listener.get()));
    }

    void cleanup()
    {
        player->RemoveObserver(static_cast<MidiDeviceObserver *>(listener.get()));
        player->RemoveStreamObserver(listener.get());
        player.reset();
        listener.reset();
    }

    void playsANoteAndFinishesOnce()
    {
        QVERIFY(!player->IsPlaying());
        player->SetStream(Note(60, 0.2));
        player->Start();
        QVERIFY(player->IsPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(listener->EventCount(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 1, 10000);
        LetTicksPass();
        QCOMPARE(listener->finished.load(), 1);
        QCOMPARE(listener->finishedWhilePlaying.load(), 0);
        QVERIFY(!player->IsPlaying());
        QCOMPARE(player->GetElapsed(), 0.0);

        const auto events = listener->Events();
        QVERIFY(events[0].message.IsNoteOn());
        QCOMPARE(events[0].message.data1, std::uint8_t(60));
        QVERIFY(events[1].message.IsNoteOff());
        const auto elapsed = listener->Elapsed();
        QVERIFY(elapsed[0] < 0.2);
        QVERIFY(elapsed[1] >= 0.2);
    }

    // The timer runs only while a note is due: none between notes, about one
    // wake-up a millisecond while one plays, and the time of its end kept.
    void ticksOnlyWhileANoteIsDue()
    {
        QTest::qWait(50);
        const std::uint64_t idleFrom = Timer::WakeUpCount();
        QTest::qWait(300);
        QCOMPARE(Timer::WakeUpCount(), idleFrom);

        player->SetStream(Note(60, 0.5));
        const std::uint64_t playFrom = Timer::WakeUpCount();
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 1, 10000);
        const std::uint64_t played = Timer::WakeUpCount() - playFrom;
        QVERIFY2(played >= 100 && played <= 520, qPrintable(QString::number(played)));
        QVERIFY(listener->Elapsed()[1] >= 0.5);
        QVERIFY(listener->Elapsed()[0] < 0.01);

        QTest::qWait(20);
        const std::uint64_t afterFrom = Timer::WakeUpCount();
        QTest::qWait(300);
        QCOMPARE(Timer::WakeUpCount(), afterFrom);
    }

    void startOnAFinishedStreamReplaysIt()
    {
        player->SetStream(Note(62, 0.05));
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 1, 10000);
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 2, 10000);
        QCOMPARE(listener->EventCount(), 4);
        QVERIFY(listener->Events()[2].message.IsNoteOn());
    }

    void startWhilePlayingChangesNothing()
    {
        player->SetStream(Note(64, 0.3));
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->EventCount(), 1, 10000);
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 1, 10000);
        QCOMPARE(listener->EventCount(), 2);
    }

    void resetDuringPlaybackStopsWithoutNotice()
    {
        player->SetStream(Note(65, 10.0));
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->EventCount(), 1, 10000);
        player->Reset();
        QVERIFY(!player->IsPlaying());
        LetTicksPass();
        QCOMPARE(listener->EventCount(), 1);
        QCOMPARE(listener->finished.load(), 0);
    }

    void newStreamDuringPlaybackStopsTheOld()
    {
        player->SetStream(Note(66, 10.0));
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->EventCount(), 1, 10000);
        player->SetStream(Note(67, 0.05));
        QVERIFY(!player->IsPlaying());
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 1, 10000);
        const auto events = listener->Events();
        QCOMPARE(events.size(), std::size_t(3));
        QCOMPARE(events[1].message.data1, std::uint8_t(67));
        QCOMPARE(events[2].message.data1, std::uint8_t(67));
    }

    void emptyStreamStalls()
    {
        player->SetStream(std::make_shared<MidiStream>());
        player->Start();
        QVERIFY(player->IsPlaying());
        LetTicksPass();
        QVERIFY(player->IsPlaying());
        QCOMPARE(listener->finished.load(), 0);
        QCOMPARE(listener->EventCount(), 0);
        player->Reset();
        QVERIFY(!player->IsPlaying());

        player->SetStream(nullptr); // no stream at all behaves as an empty one
        player->Start();
        LetTicksPass();
        QCOMPARE(listener->EventCount(), 0);
    }

    void seekArmsAndSeekPastTheEndRewinds()
    {
        player->SetStream(Note(68, 0.05, 10));
        player->Seek(5); // armed at the note-off
        QVERIFY(!player->IsPlaying());
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 1, 10000);
        QCOMPARE(listener->EventCount(), 1);
        QVERIFY(listener->Events()[0].message.IsNoteOff());

        player->Seek(100); // beyond the last tick: at the end
        player->Start();   // so Start rewinds to the first event
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 2, 10000);
        QCOMPARE(listener->EventCount(), 3);
    }

    void eventsDueTogetherGoOutInListOrder()
    {
        auto stream = std::make_shared<MidiStream>();
        stream->Append(MidiMessage(0x90, 0, 70, 96), 0, 0.0);
        stream->Append(MidiMessage(0x90, 0, 72, 96), 0, 0.05);
        stream->Append(MidiMessage(0x90, 0, 71, 96), 0, 0.01); // earlier than its predecessor
        stream->Append(MidiMessage(0x80, 0, 70, 96), 0, 0.06);
        player->SetStream(stream);
        player->Start();
        QTRY_COMPARE_WITH_TIMEOUT(listener->finished.load(), 1, 10000);
        const auto events = listener->Events();
        QCOMPARE(events.size(), std::size_t(4));
        QCOMPARE(events[1].message.data1, std::uint8_t(72));
        QCOMPARE(events[2].message.data1, std::uint8_t(71));
        const auto elapsed = listener->Elapsed();
        QVERIFY(elapsed[2] >= 0.05);
    }

    void stopFromAnotherThreadWhilePlaying()
    {
        std::atomic<bool> done{false};
        std::thread stopper([this, &done] {
            while (!done.load()) {
                player->Reset();
                std::this_thread::yield();
            }
        });
        for (int i = 0; i < 200; ++i) {
            player->SetStream(Note(static_cast<std::uint8_t>(40 + i % 40), 0.002));
            player->Start();
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        done = true;
        stopper.join();
        QVERIFY(listener->finished.load() <= 200);
        QCOMPARE(listener->finishedWhilePlaying.load(), 0);
    }

    void destroyingThePlayerStopsItsTicks()
    {
        for (int i = 0; i < 50; ++i) {
            auto other = std::make_unique<MidiInStreamDeviceAuto>(Note(50, 0.001));
            other->Start();
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    }
};

QTEST_GUILESS_MAIN(CoreStreamDeviceTest)
#include "test_core_stream_device.moc"
