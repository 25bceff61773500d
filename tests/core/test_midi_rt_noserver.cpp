// Port counting and devices where no MIDI server can be reached: no JACK
// server under JACK_DEFAULT_SERVER, and (on this machine and CI) no ALSA
// sequencer. The program must start without ports and without noise.
#include <midi/midi_device_rt.h>

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
};

QTEST_GUILESS_MAIN(MidiRtNoServerTest)
#include "test_midi_rt_noserver.moc"
