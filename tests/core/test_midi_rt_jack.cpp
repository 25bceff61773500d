// RtMidi devices against real JACK MIDI ports (run under with-jack.sh).
#include "jack_fixture.h"

#include <midi/midi_device_connector.h>
#include <midi/midi_device_rt.h>
#include <midi/midi_stream_device.h>
#include <midi/port_name.h>
#include <midi/port_watch.h>

#include <jack/jack.h>

#include <QtTest>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

using namespace Core;

namespace {

using Bytes = std::vector<std::uint8_t>;

class EventLog : public MidiDeviceObserver {
public:
    void OnMidiEvent(const MidiEvent &event) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(event);
    }
    std::vector<MidiEvent> Events() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return events;
    }
    int Count() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return static_cast<int>(events.size());
    }

private:
    mutable std::mutex mutex;
    std::vector<MidiEvent> events;
};

Bytes ResetSequence()
{
    Bytes all;
    for (std::uint8_t c = 0; c < 16; ++c) {
        const std::uint8_t status = static_cast<std::uint8_t>(0xB0 | c);
        for (std::uint8_t b : {status, std::uint8_t(120), std::uint8_t(0), status, std::uint8_t(121),
                               std::uint8_t(0), status, std::uint8_t(7), std::uint8_t(127)})
            all.push_back(b);
    }
    return all;
}

Bytes Flatten(const std::vector<Bytes> &messages, std::size_t from, std::size_t count)
{
    Bytes all;
    for (std::size_t i = from; i < from + count && i < messages.size(); ++i)
        all.insert(all.end(), messages[i].begin(), messages[i].end());
    return all;
}

} // namespace

class MidiRtJackTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<JackMidiPeer> far;

    int InputIndexOf(const QString &name) { return MidiBackend::InputPortNames().indexOf(name); }
    int OutputIndexOf(const QString &name) { return MidiBackend::OutputPortNames().indexOf(name); }

private slots:
    void initTestCase()
    {
        far = std::make_unique<JackMidiPeer>("orvelle-test");
        far->setOneMessagePerCycle(true);
        QVERIFY2(far->isOpen(), "no JACK server: run under tests/support/with-jack.sh");
        QVERIFY(MidiInRtDevice::GetPortCount() >= 1);
        QCOMPARE(MidiBackend::CurrentApi(), RtMidi::UNIX_JACK);

        MidiOutRtDevice probe(static_cast<unsigned>(OutputIndexOf(far->synthPortName())));
        QVERIFY(probe.IsPortOpen());
        QVERIFY(far->awaitDelivery([&] { probe.Send(MidiMessage(0xB0, 0, 7, 127)); }));
    }

    void cleanupTestCase() { far.reset(); }

    void init() { far->clearReceived(); }

    void countsAndNamesTheTestPorts()
    {
        QVERIFY(MidiBackend::InputPortNames().contains(far->keyboardPortName()));
        QVERIFY(MidiBackend::OutputPortNames().contains(far->synthPortName()));
        QCOMPARE(MidiInRtDevice::GetPortCount(), unsigned(MidiBackend::InputPortNames().size()));
        QCOMPARE(MidiOutRtDevice::GetPortCount(), unsigned(MidiBackend::OutputPortNames().size()));
    }

    void inputDeliversEventsWithTicksAndTimes()
    {
        const int index = InputIndexOf(far->keyboardPortName());
        QVERIFY(index >= 0);
        MidiInRtDevice device(static_cast<unsigned>(index));
        QVERIFY(device.IsOpen());
        QCOMPARE(device.GetName(), far->keyboardPortName());
        EventLog log;
        device.AddObserver(&log);
        device.SetVelocityScale(0.5);
        QTRY_VERIFY_WITH_TIMEOUT(far->keyboardConnected(), 10000);

        far->send({0x90, 60, 100});
        QTRY_COMPARE_WITH_TIMEOUT(log.Count(), 1, 10000);
        QTest::qWait(50); // let the next message arrive with a measurable delta
        far->send({0xB0, 7, 90});
        QTRY_COMPARE_WITH_TIMEOUT(log.Count(), 2, 10000);
        QTest::qWait(50);
        far->send({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
        far->send({0x80, 60, 64});
        QTRY_COMPARE_WITH_TIMEOUT(log.Count(), 4, 10000);

        const auto published = log.Events();
        QCOMPARE(published[0].tick, 0);
        QCOMPARE(published[0].message.data2, std::uint8_t(50)); // scaled on publication
        double previous = 0.0;
        for (const MidiEvent &event : published) {
            // The tick is that of the previous message's time, 768 per second.
            QCOMPARE(event.tick, static_cast<std::int32_t>(previous * 768));
            QVERIFY(event.time >= previous);
            previous = event.time;
        }
        QVERIFY(published[2].time > 0.0);
        QCOMPARE(published[2].message.status, std::uint8_t(0xF0));
        QCOMPARE(published[2].message.GetLength(), 6);

        QVector<MidiEvent> history;
        device.GetEvents(history);
        QCOMPARE(history.size(), 4);
        QCOMPARE(history[0].message.data2, std::uint8_t(100)); // kept as received
        ChannelState table;
        device.GetChannelState(0, table);
        QCOMPARE(table[60], std::uint8_t(0));

        device.RemoveObserver(&log);
    }

    void resetStartsTheInputTimeAgain()
    {
        const int index = InputIndexOf(far->keyboardPortName());
        MidiInRtDevice device(static_cast<unsigned>(index));
        EventLog log;
        device.AddObserver(&log);
        QTRY_VERIFY_WITH_TIMEOUT(far->keyboardConnected(), 10000);
        far->send({0x90, 61, 1});
        QTRY_COMPARE_WITH_TIMEOUT(log.Count(), 1, 10000);
        QTest::qWait(50);
        far->send({0x90, 62, 1});
        QTRY_COMPARE_WITH_TIMEOUT(log.Count(), 2, 10000);
        QVERIFY(log.Events()[1].time > 0.0);

        device.Reset();
        QVERIFY(device.IsOpen());
        QTRY_VERIFY_WITH_TIMEOUT(far->keyboardConnected(), 10000);
        ChannelState table;
        device.GetChannelState(0, table);
        QCOMPARE(table[61], std::uint8_t(0));
        far->send({0x90, 63, 1});
        QTRY_COMPARE_WITH_TIMEOUT(log.Count(), 3, 10000);
        QCOMPARE(log.Events()[2].tick, 0);
        device.Close();
        QVERIFY(!device.IsOpen());
        QVERIFY(device.GetName().isEmpty());
        device.RemoveObserver(&log);
    }

    void outputResetDeliversFortyEightMessagesInOrder()
    {
        const int index = OutputIndexOf(far->synthPortName());
        QVERIFY(index >= 0);
        MidiOutRtDevice device(static_cast<unsigned>(index));
        QVERIFY(device.IsPortOpen());
        QCOMPARE(device.GetName(), far->synthPortName());
        QTRY_VERIFY_WITH_TIMEOUT(far->synthConnected(), 10000);
        device.Reset();
        QTRY_COMPARE_WITH_TIMEOUT(far->receivedCount(), std::size_t(48), 10000);
        const auto received = far->receivedBytes();
        for (const Bytes &message : received)
            QCOMPARE(message.size(), std::size_t(3));
        QCOMPARE(Flatten(received, 0, 48), ResetSequence());
        QCOMPARE(received.front(), (Bytes{0xB0, 0x78, 0x00}));
        QCOMPARE(received.back(), (Bytes{0xBF, 0x07, 0x7F}));
    }

    void outputSendsWhatTheRecordHolds()
    {
        const int index = OutputIndexOf(far->synthPortName());
        MidiOutRtDevice device(static_cast<unsigned>(index));
        QTRY_VERIFY_WITH_TIMEOUT(far->synthConnected(), 10000);
        const std::uint8_t programChange[] = {0xC1, 0x05};
        const std::uint8_t sysex[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
        device.Send(MidiMessage(sysex, sizeof sysex)); // cut short: dropped
        device.Send(MidiMessage(programChange, 2));
        device.Send(MidiMessage(0x90, 0, 200, 96)); // data bytes go out as held
        QTRY_COMPARE_WITH_TIMEOUT(far->receivedCount(), std::size_t(2), 10000);
        QTest::qWait(50);
        const auto received = far->receivedBytes();
        QCOMPARE(received.size(), std::size_t(2));
        QCOMPARE(received[0], (Bytes{0xC1, 0x05}));
        QCOMPARE(received[1], (Bytes{0x90, 200, 96}));
    }

    void sendAndResetFromTwoThreadsDoNotInterleave()
    {
        const int index = OutputIndexOf(far->synthPortName());
        MidiOutRtDevice device(static_cast<unsigned>(index));
        QTRY_VERIFY_WITH_TIMEOUT(far->synthConnected(), 10000);
        constexpr int kNotes = 150;
        std::thread player([&device] {
            for (int i = 0; i < kNotes; ++i)
                device.Send(MidiMessage(0x90, 0, 60, 96));
        });
        device.Reset();
        player.join();
        QTRY_COMPARE_WITH_TIMEOUT(far->receivedCount(), std::size_t(kNotes + 48), 10000);
        const auto received = far->receivedBytes();
        std::size_t first = 0;
        while (first < received.size() && received[first] != Bytes{0xB0, 120, 0})
            ++first;
        QVERIFY(first + 48 <= received.size());
        QCOMPARE(Flatten(received, first, 48), ResetSequence());
    }

    void missingPortGivesClosedDevices()
    {
        {
            MidiInRtDevice input(999);
            QVERIFY(!input.IsOpen());
            QVERIFY(input.GetName().isEmpty());
            input.Reset();
            QVERIFY(!input.IsOpen());
        }
        MidiOutRtDevice output(999);
        QVERIFY(!output.IsPortOpen());
        QVERIFY(output.GetName().isEmpty());
        output.Reset();
        output.Send(MidiMessage(0x90, 0, 60, 96));
    }

    void ownPortsAreNeverListed()
    {
        const QStringList inputsBefore = MidiBackend::InputPortNames();
        const QStringList outputsBefore = MidiBackend::OutputPortNames();
        MidiOutRtDevice output(static_cast<unsigned>(OutputIndexOf(far->synthPortName())));
        MidiInRtDevice input(static_cast<unsigned>(InputIndexOf(far->keyboardPortName())));
        MidiOutRtDevice secondOutput(static_cast<unsigned>(OutputIndexOf(far->synthPortName())));
        QVERIFY(output.IsPortOpen() && input.IsOpen() && secondOutput.IsPortOpen());

        QCOMPARE(MidiBackend::InputPortNames(), inputsBefore);
        QCOMPARE(MidiBackend::OutputPortNames(), outputsBefore);
        QCOMPARE(MidiInRtDevice::GetPortCount(), unsigned(inputsBefore.size()));
        QCOMPARE(MidiOutRtDevice::GetPortCount(), unsigned(outputsBefore.size()));
        // Known by the client, whatever the port: another program that kept
        // RtMidi's default names is somebody else.
        QVERIFY(MidiBackend::IsOwnPortName("Orvelle:keyboard in"));
        QVERIFY(MidiBackend::IsOwnPortName("Orvelle-02:notes out"));
        QVERIFY(MidiBackend::IsOwnPortName("Orvelle:keyboard in 130:0"));
        QVERIFY(!MidiBackend::IsOwnPortName("RtMidi Output Client:RtMidi Output"));
        QVERIFY(!MidiBackend::IsOwnPortName("orvelle-test:out"));
        QVERIFY(!MidiBackend::IsOwnPortName("Orvelle Synth:out"));
        QVERIFY(!MidiBackend::IsOwnPortName("Orvelle-x:keyboard in"));
        QVERIFY(!MidiBackend::IsOwnPortName("Orvelle"));
        QVERIFY(MidiBackend::IsThroughPortName("Midi Through:Midi Through Port-0 14:0"));
        QVERIFY(MidiBackend::IsThroughPortName("a2j:Midi Through [14] (capture): Midi Through Port-0"));
        QVERIFY(MidiBackend::IsThroughPortName("system:THROUGH"));
        QVERIFY(!MidiBackend::IsThroughPortName("Throughput Labs:keys"));
        QVERIFY(!MidiBackend::IsThroughPortName("Harness:keyboard"));
    }

    // Raw names survive the way through text whatever their bytes; valid
    // UTF-8, characters beyond the first plane included, reads as itself.
    void portNamesMapBackToTheirBytes()
    {
        const std::vector<std::string> names = {
            "plain:port",           "caf\xc3\xa9:\xf0\x9f\x8e\xb9 keys", "\xc0\xaf overlong", "\xed\xa0\x80 surrogate",
            "cut \xe2\x82",       "\xf4\x90\x80\x80 too high",           "\x80\xbf\xfe\xff",
        };
        for (const std::string &name : names)
            QCOMPARE(PortNameToBytes(PortNameFromBytes(name)), name);
        QCOMPARE(PortNameFromBytes("caf\xc3\xa9:\xf0\x9f\x8e\xb9"), QString::fromUtf8("caf\xc3\xa9:\xf0\x9f\x8e\xb9"));
        const QString emoji = QString::fromUtf8("\xf0\x9f\x8e\xb9");
        QVERIFY(!IsStrayByteAt(emoji, 0) && !IsStrayByteAt(emoji, 1));
        QCOMPARE(PortNameFromBytes("\xff").size(), 1);
        QVERIFY(IsStrayByteAt(PortNameFromBytes("\xff"), 0));
    }

    // A program that takes a port away and stays, as a bridge does when its
    // device goes, is noticed: the server announces the port only once it
    // has released it. So is a program whose client goes.
    void portsAndClientsThatGoAreNoticed()
    {
        std::atomic<int> calls{0};
        JackPortWatch watch([&] { ++calls; });
        QVERIFY(watch.IsOpen());
        jack_status_t status{};
        jack_client_t *stays = jack_client_open("orvelle-bridge", JackNoStartServer, &status);
        QVERIFY(stays);
        QCOMPARE(jack_activate(stays), 0);
        jack_port_t *port = jack_port_register(stays, "device", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
        QVERIFY(port);
        QTRY_VERIFY(calls.load() > 0);
        QTest::qWait(200);
        int before = calls.load();
        QCOMPARE(jack_port_unregister(stays, port), 0);
        QTRY_VERIFY_WITH_TIMEOUT(calls.load() > before, 5000);

        // Stopped first and closed later: only the client's departure tells.
        QCOMPARE(jack_deactivate(stays), 0);
        QTest::qWait(200);
        before = calls.load();
        jack_client_close(stays);
        QTRY_VERIFY_WITH_TIMEOUT(calls.load() > before, 5000);
    }

    void closeAndResetWhileMessagesArrive()
    {
        const int index = InputIndexOf(far->keyboardPortName());
        auto device = std::make_unique<MidiInRtDevice>(static_cast<unsigned>(index));
        EventLog log;
        device->AddObserver(&log);
        for (int round = 0; round < 20; ++round) {
            for (int i = 0; i < 5; ++i)
                far->send({0x90, std::uint8_t(40 + i), 80});
            QTest::qWait(5);
            if (round % 2)
                device->Reset();
            else
                device->Close();
        }
        device.reset();
        QVERIFY(log.Count() <= 100);
    }

    // The store write behind an answer can take tens of milliseconds on a
    // busy disk; a keyboard played meanwhile must lose nothing.
    void slowListenerLosesNoKeyPresses()
    {
        const int index = InputIndexOf(far->keyboardPortName());
        MidiInRtDevice device(static_cast<unsigned>(index));
        QTRY_VERIFY_WITH_TIMEOUT(far->keyboardConnected(), 10000);
        struct SlowLog : EventLog {
            void OnMidiEvent(const MidiEvent &event) override
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(30));
                EventLog::OnMidiEvent(event);
            }
        } log;
        device.AddObserver(&log);
        // A velocity of their own: the previous test's presses may still be on their way.
        constexpr int kPresses = 40;
        constexpr std::uint8_t kVelocity = 81;
        for (int i = 0; i < kPresses; ++i)
            far->send({0x90, std::uint8_t(30 + i), kVelocity});
        const auto presses = [&] {
            std::vector<std::uint8_t> notes;
            for (const MidiEvent &event : log.Events())
                if (event.message.data2 == kVelocity)
                    notes.push_back(event.message.data1);
            return notes;
        };
        QTRY_COMPARE_WITH_TIMEOUT(presses().size(), std::size_t(kPresses), 20000);
        QTest::qWait(200);
        const auto notes = presses();
        QCOMPARE(notes.size(), std::size_t(kPresses));
        for (int i = 0; i < kPresses; ++i)
            QCOMPARE(notes[i], std::uint8_t(30 + i));
        device.RemoveObserver(&log);
    }

    void streamThroughConnectorSoundsOnThePort()
    {
        auto output = std::make_shared<MidiOutRtDevice>(static_cast<unsigned>(OutputIndexOf(far->synthPortName())));
        auto stream = std::make_shared<MidiStream>();
        stream->Append(MidiMessage(0x90, 0, 60, 96), 0, 0.0);
        stream->Append(MidiMessage(0x80, 0, 60, 96), 0, 0.1);
        auto player = std::make_shared<MidiInStreamDeviceAuto>();
        QTRY_VERIFY_WITH_TIMEOUT(far->synthConnected(), 10000);
        {
            MidiDeviceConnector connector(player, output);
            player->SetStream(stream);
            player->Start();
            QTRY_COMPARE_WITH_TIMEOUT(far->receivedCount(), std::size_t(2), 10000);
            player->Reset();
        }
        QCOMPARE(player->MidiObserverCount(), std::size_t(0));
        const auto received = far->receivedBytes();
        QCOMPARE(received[0], (Bytes{0x90, 60, 96}));
        QCOMPARE(received[1], (Bytes{0x80, 60, 96}));
    }
};

QTEST_GUILESS_MAIN(MidiRtJackTest)
#include "test_midi_rt_jack.moc"
