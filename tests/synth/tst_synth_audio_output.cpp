// The built-in synthesiser's audio output. The test hides every sound server
// and card of the machine it runs on (no PulseAudio socket, an empty ALSA
// configuration, a JACK server name of its own), then starts a JACK server
// with the dummy driver to give the synthesiser somewhere to play.

#include "capture.h"
#include "jack_server.h"

#include <midi_device_synth.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using Core::MidiMessage;
using Core::MidiOutSynthDevice;

namespace {

const QString kUnavailable = QStringLiteral(
    "audio output is unavailable (no sound server or sound card); notes will be silent");

QString JackServerName()
{
    return QStringLiteral("orvelle-synth-test-%1").arg(QCoreApplication::applicationPid());
}

MidiMessage NoteOn(int note)
{
    return MidiMessage(0x90, 0, static_cast<std::uint8_t>(note), 96);
}

} // namespace

class SynthAudioOutputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void withoutOutputTheDeviceStaysUsableAndQuiet();
    void openPicksUpAServerStartedLater();
    void notesSoundThroughJackAndResetStopsThem();
    void sendAndResetFromTwoThreadsWhileJackPlays();

private:
    std::unique_ptr<SynthTest::WarningLog> warnings;
    std::unique_ptr<MidiOutSynthDevice> earlyDevice; // made before any server ran
    std::unique_ptr<SynthTest::JackServer> jack;
};

void SynthAudioOutputTest::initTestCase()
{
    warnings = std::make_unique<SynthTest::WarningLog>();
}

void SynthAudioOutputTest::cleanupTestCase()
{
    earlyDevice.reset();
    jack.reset();
}

void SynthAudioOutputTest::withoutOutputTheDeviceStaysUsableAndQuiet()
{
    SynthTest::StderrCapture terminal;
    earlyDevice = std::make_unique<MidiOutSynthDevice>();
    MidiOutSynthDevice &device = *earlyDevice;
    QCOMPARE(terminal.Finish(), QString()); // no library printed anything
    QCOMPARE(warnings->Take(), QStringList {QStringLiteral("Orvelle: ") + kUnavailable});

    QVERIFY(device.HasSoundFont());
    QVERIFY(!device.IsAudioAvailable());
    QVERIFY(device.GetAudioOutputName().isEmpty());
    QCOMPARE(device.GetStatusText(), kUnavailable);

    SynthTest::StderrCapture again;
    device.Send(NoteOn(69));
    device.Reset();
    device.Open(); // still nothing to open
    QCOMPARE(again.Finish(), QString());
    QVERIFY(!device.IsAudioAvailable());
    QCOMPARE(warnings->Take(), QStringList());

    // With no output to own it, the synthesiser can still be rendered.
    device.Send(NoteOn(69));
    std::vector<float> left(4800), right(4800);
    QVERIFY(device.Render(left.data(), right.data(), 4800));
    QVERIFY(*std::max_element(left.begin(), left.end()) > 1e-2f);
    device.Reset();
}

void SynthAudioOutputTest::openPicksUpAServerStartedLater()
{
    QVERIFY(earlyDevice);
    jack = std::make_unique<SynthTest::JackServer>(JackServerName(), 48000, 128);
    QVERIFY2(jack->Started(), "jackd (package jackd2) did not start");

    SynthTest::StderrCapture terminal;
    QTRY_VERIFY_WITH_TIMEOUT((earlyDevice->Open(), earlyDevice->IsAudioAvailable()), 30000);
    QCOMPARE(terminal.Finish(), QString());
    QCOMPARE(earlyDevice->GetAudioOutputName(), QStringLiteral("JACK"));
    QCOMPARE(earlyDevice->GetStatusText(), QStringLiteral("playing TimGM6mb.sf2 through JACK"));
    QCOMPARE(warnings->Take(), QStringList());

    // The audio output owns the synthesiser now.
    std::vector<float> left(256, 1.0f), right(256, 1.0f);
    QVERIFY(!earlyDevice->Render(left.data(), right.data(), 256));
    QCOMPARE(*std::max_element(left.begin(), left.end()), 0.0f);
}

void SynthAudioOutputTest::notesSoundThroughJackAndResetStopsThem()
{
    QVERIFY(jack && jack->Started());
    earlyDevice.reset();
    SynthTest::StderrCapture terminal;
    MidiOutSynthDevice device;
    QCOMPARE(terminal.Finish(), QString());
    QCOMPARE(warnings->Take(), QStringList());
    QCOMPARE(device.GetAudioOutputName(), QStringLiteral("JACK"));
    QCOMPARE(device.GetSampleRate(), 48000);

    SynthTest::JackListener listener("orvelle-synth-listener");
    QVERIFY(listener.IsOpen());
    QCOMPARE(listener.ConnectFrom("^Orvelle"), 2);
    QTRY_VERIFY_WITH_TIMEOUT(listener.SilentPeriods() > 20, 10000);

    // An organ holds its note for as long as the key is down, so only the
    // reset can bring the silence awaited below.
    device.Send(MidiMessage(0xC0, 0, 19, 0));
    device.Send(NoteOn(69));
    float heard = 0.0f;
    QTRY_VERIFY_WITH_TIMEOUT((heard = std::max(heard, listener.TakePeak())) > 1e-2f, 10000);
    device.Reset();
    QTRY_VERIFY_WITH_TIMEOUT(listener.SilentPeriods() > 50, 10000);
}

void SynthAudioOutputTest::sendAndResetFromTwoThreadsWhileJackPlays()
{
    QVERIFY(jack && jack->Started());
    MidiOutSynthDevice device;
    QVERIFY(device.IsAudioAvailable());

    // The timer thread plays notes while another thread stops playback.
    std::atomic<bool> done {false};
    std::thread player([&] {
        for (int i = 0; i < 300; ++i) {
            const auto note = static_cast<std::uint8_t>(24 + i % 84);
            device.Send(NoteOn(note));
            device.Send(MidiMessage(0x80, 0, note, 96));
        }
    });
    std::thread stopper([&] {
        for (int i = 0; i < 100; ++i) {
            device.Reset();
            device.SetGain((i % 10) / 10.0);
        }
        done = true;
    });
    while (!done) {
        device.GetStatusText();
        device.IsAudioAvailable();
    }
    player.join();
    stopper.join();
    device.Reset();
    QVERIFY(device.IsAudioAvailable());
    QCOMPARE(warnings->Take(), QStringList());
}

int main(int argc, char *argv[])
{
    // Hide the machine's own outputs before anything touches them.
    QTemporaryDir runtimeDir;
    const QString emptyAlsaConfig = runtimeDir.filePath(QStringLiteral("asound.conf"));
    QFile(emptyAlsaConfig).open(QIODevice::WriteOnly);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(runtimeDir.filePath(QStringLiteral("config"))));
    qunsetenv("PULSE_SERVER");
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(emptyAlsaConfig));

    QCoreApplication app(argc, argv);
    qputenv("JACK_DEFAULT_SERVER", JackServerName().toUtf8());
    SynthAudioOutputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_synth_audio_output.moc"
