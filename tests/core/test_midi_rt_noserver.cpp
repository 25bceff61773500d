// Port counting and devices where no MIDI server can be reached: no JACK
// server under JACK_DEFAULT_SERVER, and (on this machine and CI) no ALSA
// sequencer. The program must start without ports and without noise.
#include <midi/alsa_announce.h>
#include <midi/midi_device_rt.h>
#include <midi/port_watch.h>

#include <QtTest>

#include <unistd.h>

using namespace Core;

class MidiRtNoServerTest : public QObject {
    Q_OBJECT

private slots:
    void countingFindsNoPortsAndRaisesNothing()
    {
        if (access("/dev/snd/seq", F_OK) == 0)
            QSKIP("an ALSA sequencer is present here");
        unsigned inputs = 1;
        try {
            inputs = MidiInRtDevice::GetPortCount();
        } catch (const Error &error) {
            QFAIL(qPrintable(QStringLiteral("input counting raised %1: %2").arg(error.GetCode()).arg(error.GetMessage())));
        }
        QCOMPARE(inputs, 0u);
        QCOMPARE(MidiOutRtDevice::GetPortCount(), 0u);
        // A JACK client can still be made; it simply sees no ports.
        QCOMPARE(MidiBackend::CurrentApi(), RtMidi::UNIX_JACK);
        QVERIFY(MidiBackend::InputPortNames().isEmpty());
    }

    void devicesStayClosed()
    {
        MidiInRtDevice input(0);
        QVERIFY(!input.IsOpen());
        QVERIFY(input.GetName().isEmpty());
        MidiOutRtDevice output(0);
        QVERIFY(!output.IsPortOpen());
        output.Reset();
        output.Send(MidiMessage(0x90, 0, 60, 96));
    }

    void theWatchesStayClosedAndQuiet()
    {
        int calls = 0;
        JackPortWatch jack([&] { ++calls; });
        QVERIFY(!jack.IsOpen());
        if (access("/dev/snd/seq", F_OK) != 0) {
            AlsaAnnounceWatch alsa([&] { ++calls; });
            QVERIFY(!alsa.IsOpen());
        }
        QCOMPARE(calls, 0);
    }

    // What the sequencer's announce port says, decoded as the watch does.
    void announcementsOfOtherPortsCountAndTheRestDoesNot()
    {
        const int own = 130;
        auto event = [](unsigned char type, int client) {
            snd_seq_event_t e{};
            e.type = type;
            e.source.client = SND_SEQ_CLIENT_SYSTEM;
            e.source.port = SND_SEQ_PORT_SYSTEM_ANNOUNCE;
            e.data.addr.client = static_cast<unsigned char>(client);
            e.data.addr.port = 0;
            return e;
        };
        QVERIFY(IsPortListChange(event(SND_SEQ_EVENT_PORT_START, 20), own));
        QVERIFY(IsPortListChange(event(SND_SEQ_EVENT_PORT_EXIT, 20), own));
        QVERIFY(IsPortListChange(event(SND_SEQ_EVENT_PORT_CHANGE, 24), own));
        // The watch's own port, and clients that come and go with every
        // enumeration, do not.
        QVERIFY(!IsPortListChange(event(SND_SEQ_EVENT_PORT_START, own), own));
        QVERIFY(!IsPortListChange(event(SND_SEQ_EVENT_CLIENT_START, 20), own));
        QVERIFY(!IsPortListChange(event(SND_SEQ_EVENT_CLIENT_EXIT, 20), own));
        // Subscriptions and ordinary MIDI through the same port are no change.
        QVERIFY(!IsPortListChange(event(SND_SEQ_EVENT_PORT_SUBSCRIBED, 20), own));
        QVERIFY(!IsPortListChange(event(SND_SEQ_EVENT_NOTEON, 20), own));
    }
};

QTEST_GUILESS_MAIN(MidiRtNoServerTest)
#include "test_midi_rt_noserver.moc"
