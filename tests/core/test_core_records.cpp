// MIDI records, the error record, subjects, the input device base and the connector.
#include <error.h>
#include <midi/midi_device_connector.h>
#include <midi/midi_stream_device.h>

#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace Core;

namespace {

class Recorder : public MidiDeviceObserver {
public:
    explicit Recorder(std::vector<Recorder *> *order = nullptr) : callOrder(order) {}
    void OnMidiEvent(const MidiEvent &event) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(event);
        if (callOrder)
            callOrder->push_back(this);
    }
    std::vector<MidiEvent> Events() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return events;
    }

private:
    std::vector<Recorder *> *callOrder;
    mutable std::mutex mutex;
    std::vector<MidiEvent> events;
};

class SelfRemover : public MidiDeviceObserver {
public:
    explicit SelfRemover(MidiInDevice &d) : device(d) {}
    void OnMidiEvent(const MidiEvent &) override
    {
        ++calls;
        device.RemoveObserver(this);
    }
    MidiInDevice &device;
    int calls = 0;
};

// An output device that keeps what it is sent, to watch the connector.
class RecordingOutput : public MidiOutDevice {
public:
    QString GetName() const override { return QStringLiteral("recording"); }
    void Open() override {}
    void Reset() override {}
    void Send(const MidiMessage &message) override { sent.push_back(message); }
    double GetGain() const override { return 0.0; }
    void SetGain(double) override {}
    std::vector<MidiMessage> sent;
};

// The plainest concrete input device: events are fed in by hand.
using ManualDevice = MidiInStreamDeviceBase;

MidiEvent NoteOn(std::uint8_t note, std::uint8_t velocity, std::uint8_t channel = 0)
{
    return MidiEvent(MidiMessage(0x90, channel, note, velocity), 0, 0.0);
}

bool SameMessage(const MidiMessage &a, const MidiMessage &b)
{
    return a.status == b.status && a.data1 == b.data1 && a.data2 == b.data2 && a.length == b.length;
}

} // namespace

class CoreRecordsTest : public QObject {
    Q_OBJECT

private slots:
    void messageFromBytes()
    {
        const std::uint8_t programChange[] = {0xC1, 0x05};
        const MidiMessage m(programChange, 2);
        QCOMPARE(m.status, std::uint8_t(0xC1));
        QCOMPARE(m.data1, std::uint8_t(5));
        QCOMPARE(m.data2, std::uint8_t(0));
        QCOMPARE(m.GetLength(), 2);
        QCOMPARE(m.GetChannel(), 1);

        const std::uint8_t sysex[] = {0xF0, 1, 2, 3, 4, 5, 0xF7};
        const MidiMessage cut(sysex, sizeof sysex);
        QCOMPARE(cut.GetLength(), 7);
        QCOMPARE(cut.StoredLength(), std::size_t(3));
        QCOMPARE(cut.data2, std::uint8_t(2));
        std::vector<std::uint8_t> huge(300, 0x10);
        QCOMPARE(MidiMessage(huge.data(), huge.size()).GetLength(), 300 & 0xFF);
    }

    void messagePredicates()
    {
        const MidiMessage silentOn(0x90, 0, 60, 0);
        QVERIFY(!silentOn.IsNoteOn());
        QVERIFY(silentOn.HasNoteOnStatus());
        const MidiMessage on(0x90, 9, 60, 64);
        QVERIFY(on.IsNoteOn());
        QCOMPARE(on.GetChannel(), 9);
        QCOMPARE(on.GetLength(), 3);
        QVERIFY(MidiMessage(0x80, 0, 60, 64).IsNoteOff());
        QCOMPARE(MidiMessage(0xA0, 0, 60, 33).GetPressure(), std::uint8_t(33));
        QVERIFY(MidiMessage(0xA0, 0, 60, 33).IsPolyPressure());
        QCOMPARE(MidiMessage(0xD0, 0, 44, 0).GetPressure(), std::uint8_t(44));
        QCOMPARE(MidiMessage(0xB0, 0, 7, 100).GetPressure(), std::uint8_t(0));
        MidiEvent event(on, 5, 1.5);
        event.GetMessage().SetData2(10);
        QCOMPARE(event.GetMessage().GetData2(), std::uint8_t(10));
        QCOMPARE(event.GetTick(), 5);
        QCOMPARE(event.GetTime(), 1.5);
    }

    void errorCopiesShareTheirPayload()
    {
        std::unique_ptr<Error> first = std::make_unique<Error>(
            CORE_ERROR_LOCATION("Core::Timer::Start"), kTimerStartError, QStringLiteral("Error starting timer"));
        const Error copy(*first);
        const Detail::ErrorData *payload = &first->GetData();
        first.reset();
        QCOMPARE(&copy.GetData(), payload);
        QCOMPARE(copy.GetCode(), 1025);
        QCOMPARE(QString(copy.GetFunction()), QStringLiteral("Core::Timer::Start"));
        QVERIFY(QString(copy.GetFile()).endsWith(QStringLiteral("test_core_records.cpp")));
        QVERIFY(copy.GetLine() > 0);
        QCOMPARE(copy.GetMessage(), QStringLiteral("Error starting timer"));
        QVERIFY(!copy.GetInner());

        const Error empty(CORE_ERROR_LOCATION("f"), kMidiLibraryErrorBase + 8, QString());
        QCOMPARE(empty.GetCode(), 0x308);
        QVERIFY(empty.GetMessage().isEmpty());
    }

    void subjectKeepsOrderAndIgnoresDuplicatesAndStrangers()
    {
        ManualDevice device(nullptr);
        std::vector<Recorder *> order;
        Recorder a(&order), b(&order), c(&order), stranger;
        QVERIFY(device.AddObserver(&a));
        QVERIFY(device.AddObserver(&b));
        QVERIFY(device.AddObserver(&c));
        QVERIFY(device.AddObserver(&a)); // already there: stays where it is
        QCOMPARE(device.MidiObserverCount(), std::size_t(3));
        device.ProcessEvent(NoteOn(60, 1));
        QCOMPARE(order, (std::vector<Recorder *>{&a, &b, &c}));

        device.RemoveObserver(&stranger);
        device.RemoveObserver(&b);
        order.clear();
        device.ProcessEvent(NoteOn(60, 1));
        QCOMPARE(order, (std::vector<Recorder *>{&a, &c}));
        device.RemoveObserver(&a);
        device.RemoveObserver(&c);
        QCOMPARE(device.MidiObserverCount(), std::size_t(0));
    }

    void observerRemovingItselfIsCalledOnceMore()
    {
        ManualDevice device(nullptr);
        SelfRemover remover(device);
        Recorder after;
        device.AddObserver(&remover);
        device.AddObserver(&after);
        device.ProcessEvent(NoteOn(60, 1));
        device.ProcessEvent(NoteOn(61, 1));
        QCOMPARE(remover.calls, 1);
        QCOMPARE(after.Events().size(), std::size_t(2));
        device.RemoveObserver(&after);
    }

    void removalWaitsForNotificationsInProgress()
    {
        // An observer removed on one thread while another is calling it must
        // not be called once RemoveObserver has returned: it may be destroyed.
        class Slow : public MidiDeviceObserver {
        public:
            void OnMidiEvent(const MidiEvent &) override
            {
                inside = true;
                while (!release.load())
                    std::this_thread::yield();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                finished = true;
            }
            std::atomic<bool> inside{false}, release{false}, finished{false};
        };
        ManualDevice device(nullptr);
        auto slow = std::make_unique<Slow>();
        device.AddObserver(slow.get());
        std::thread publisher([&device] { device.ProcessEvent(NoteOn(60, 1)); });
        QTRY_VERIFY_WITH_TIMEOUT(slow->inside.load(), 10000);
        slow->release = true;
        device.RemoveObserver(slow.get());
        QVERIFY(slow->finished.load());
        slow.reset();
        publisher.join();
    }

    void seventeenthObserverIsRefused()
    {
        ManualDevice device(nullptr);
        std::vector<std::unique_ptr<Recorder>> recorders;
        for (int i = 0; i < 17; ++i)
            recorders.push_back(std::make_unique<Recorder>());
        for (int i = 0; i < 16; ++i)
            QVERIFY(device.AddObserver(recorders[i].get()));
        QVERIFY(!device.AddObserver(recorders[16].get()));
        device.ProcessEvent(NoteOn(60, 1));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(recorders[i]->Events().size(), std::size_t(1));
        QVERIFY(recorders[16]->Events().empty());
        device.RemoveObserver(recorders[0].get());
        QVERIFY(device.AddObserver(recorders[16].get()));
        for (auto &r : recorders)
            device.RemoveObserver(r.get());
    }

    void processEventScalesVelocityAndKeepsTables()
    {
        ManualDevice device(nullptr);
        Recorder recorder;
        device.AddObserver(&recorder);
        device.SetVelocityScale(0.5);
        device.ProcessEvent(NoteOn(60, 100, 2));
        device.ProcessEvent(MidiEvent(MidiMessage(0xA0, 2, 62, 77), 0, 0.0));
        device.ProcessEvent(NoteOn(64, 0, 2));
        device.ProcessEvent(NoteOn(127, 99, 2)); // beyond the tables: not tracked
        device.ProcessEvent(MidiEvent(MidiMessage(0x80, 2, 60, 10), 0, 0.0));

        const auto published = recorder.Events();
        QCOMPARE(published.size(), std::size_t(5));
        QCOMPARE(published[0].message.data2, std::uint8_t(50));
        QCOMPARE(published[2].message.data2, std::uint8_t(0));
        QCOMPARE(published[3].message.data2, std::uint8_t(49));
        QVector<MidiEvent> history;
        device.GetEvents(history);
        QCOMPARE(history.size(), 5);
        QCOMPARE(history[0].message.data2, std::uint8_t(100));

        ChannelState table;
        device.GetChannelState(2, table);
        QCOMPARE(table[60], std::uint8_t(0));
        QCOMPARE(table[62], std::uint8_t(77));
        QCOMPARE(table[64], std::uint8_t(0));
        device.ProcessEvent(NoteOn(60, 100, 2));
        device.GetChannelState(2, table);
        QCOMPARE(table[60], std::uint8_t(100));
        device.GetChannelState(3, table);
        QCOMPARE(table[60], std::uint8_t(0));
        device.Reset();
        device.GetChannelState(2, table);
        QCOMPARE(table[60], std::uint8_t(0));
        device.RemoveObserver(&recorder);
    }

    void velocityScaleIsClamped()
    {
        ManualDevice device(nullptr);
        QCOMPARE(device.GetVelocityScale(), 1.0);
        device.SetVelocityScale(1.5);
        QCOMPARE(device.GetVelocityScale(), 1.0);
        device.SetVelocityScale(-0.2);
        QCOMPARE(device.GetVelocityScale(), 0.0);
    }

    void historyKeepsTheLatestEvents()
    {
        ManualDevice device(nullptr);
        constexpr int kTotal = 3 * MidiInDeviceBase::kMaxEvents + 5;
        for (int i = 0; i < kTotal; ++i)
            device.ProcessEvent(MidiEvent(MidiMessage(0xF8, 0, 0, 0), i, 0.0));
        QVector<MidiEvent> history;
        device.GetEvents(history);
        QCOMPARE(history.size(), MidiInDeviceBase::kMaxEvents);
        QCOMPARE(history.front().tick, kTotal - MidiInDeviceBase::kMaxEvents);
        QCOMPARE(history.back().tick, kTotal - 1);
    }

    void historyIsReadWhileEventsArrive()
    {
        ManualDevice device(nullptr);
        std::thread producer([&device] {
            for (int i = 0; i < 20000; ++i)
                device.ProcessEvent(NoteOn(static_cast<std::uint8_t>(i % 128), 90));
        });
        QVector<MidiEvent> history;
        ChannelState table;
        for (int i = 0; i < 200; ++i) {
            device.GetEvents(history);
            device.GetChannelState(0, table);
            device.SetVelocityScale(i % 2 ? 0.5 : 1.0);
            QVERIFY(history.size() <= MidiInDeviceBase::kMaxEvents);
        }
        producer.join();
    }

    void connectorForwardsAndDetaches()
    {
        auto input = std::make_shared<ManualDevice>(nullptr);
        auto output = std::make_shared<RecordingOutput>();
        input->SetVelocityScale(0.5);
        auto connector = std::make_unique<MidiDeviceConnector>(input, output);
        QCOMPARE(input->MidiObserverCount(), std::size_t(1));
        input->ProcessEvent(NoteOn(60, 100));
        input->ProcessEvent(MidiEvent(MidiMessage(0xF8, 0, 0, 0), 0, 0.0)); // clock: forwarded too
        QCOMPARE(output->sent.size(), std::size_t(2));
        QVERIFY(SameMessage(output->sent[0], MidiMessage(0x90, 0, 60, 50)));
        QCOMPARE(output->sent[1].status, std::uint8_t(0xF8));

        connector.reset();
        QCOMPARE(input->MidiObserverCount(), std::size_t(0));
        input->ProcessEvent(NoteOn(61, 100));
        QCOMPARE(output->sent.size(), std::size_t(2));
        QCOMPARE(output.use_count(), 1L);
    }
};

QTEST_GUILESS_MAIN(CoreRecordsTest)
#include "test_core_records.moc"
