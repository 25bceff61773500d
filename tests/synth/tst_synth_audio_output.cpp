// The built-in synthesiser's audio output. The test hides every sound server
// and card of the machine it runs on (no PulseAudio socket, an empty ALSA
// configuration, a JACK server name of its own), then starts a JACK server
// with the dummy driver to give the synthesiser somewhere to play.

#include "capture.h"
#include "check.h"
#include "jack_server.h"
#include "pitch.h"

#include <pitchtest/tone_levels.h>
#include <pitchtest/trial_order.h>
#include <synth/midi_device_synth.h>
#include <theory/instruments.h>
#include <timer.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

using Core::MidiMessage;
using Core::MidiOutSynthDevice;

namespace {

constexpr int kJackRate = 44100;

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

// The cases run in order and share these.
std::unique_ptr<SynthTest::WarningLog> warnings;
std::unique_ptr<MidiOutSynthDevice> earlyDevice; // made before any server ran
std::unique_ptr<JackServer> jack;

void WithoutOutputTheDeviceStaysUsableAndQuiet()
{
    SynthTest::StderrCapture terminal;
    earlyDevice = std::make_unique<MidiOutSynthDevice>();
    MidiOutSynthDevice &device = *earlyDevice;
    SYNTH_CHECK(terminal.Finish() == QString()); // no library printed anything
    SYNTH_CHECK(warnings->Take() == QStringList {QStringLiteral("Orvelle: ") + kUnavailable});

    SYNTH_CHECK(device.HasSoundFont());
    SYNTH_CHECK(!device.IsAudioAvailable());
    SYNTH_CHECK(device.GetAudioOutputName().isEmpty());
    SYNTH_CHECK(device.GetStatusText() == kUnavailable);

    SynthTest::StderrCapture again;
    device.Send(NoteOn(69));
    device.Reset();
    device.Open(); // still nothing to open
    SYNTH_CHECK(again.Finish() == QString());
    // Nothing sounds, so no note became audible and no latency applies.
    SYNTH_CHECK(device.GetLastNoteOnMs() == -1);
    SYNTH_CHECK(device.GetOutputLatencySeconds() == 0.0);
    SYNTH_CHECK(!device.IsAudioAvailable());
    SYNTH_CHECK(warnings->Take() == QStringList());

    // Render belongs to the Offline mode.
    std::vector<float> left(256, 1.0f), right(256, 1.0f);
    SYNTH_CHECK(!device.Render(left.data(), right.data(), 256));
    SYNTH_CHECK(*std::max_element(left.begin(), left.end()) == 0.0f);
}

void OpenPicksUpAServerStartedLater()
{
    SYNTH_CHECK(earlyDevice);
    // Not the synthesiser's own rate: it must follow the server's.
    // Periods of 1024 frames: a loaded test machine makes short ones late,
    // and what a late cycle drops or repeats moves the measured pitch.
    jack = std::make_unique<JackServer>(JackServerName(), kJackRate, 1024);
    const bool ready = jack->WaitUntilReady(20000);
    if (!ready)
        std::printf("jackd did not become ready:\n%s\n", qUtf8Printable(jack->Output()));
    SYNTH_CHECK(ready);

    SynthTest::StderrCapture terminal;
    SYNTH_CHECK(SynthTest::WaitUntil([&] { return (earlyDevice->Open(), earlyDevice->IsAudioAvailable()); }, 30000));
    SYNTH_CHECK(terminal.Finish() == QString());
    SYNTH_CHECK(earlyDevice->GetAudioOutputName() == QStringLiteral("JACK"));
    SYNTH_CHECK(earlyDevice->GetStatusText() == QStringLiteral("playing TimGM6mb.sf2 through JACK"));
    SYNTH_CHECK(warnings->Take() == QStringList());

    // The audio output owns the synthesiser now.
    std::vector<float> left(256, 1.0f), right(256, 1.0f);
    SYNTH_CHECK(!earlyDevice->Render(left.data(), right.data(), 256));
    SYNTH_CHECK(*std::max_element(left.begin(), left.end()) == 0.0f);
}

void NotesSoundThroughJackAndResetStopsThem()
{
    SYNTH_CHECK(jack && jack->Started());
    earlyDevice.reset();
    SynthTest::StderrCapture terminal;
    MidiOutSynthDevice device;
    SYNTH_CHECK(terminal.Finish() == QString());
    SYNTH_CHECK(warnings->Take() == QStringList());
    SYNTH_CHECK(device.GetAudioOutputName() == QStringLiteral("JACK"));
    SYNTH_CHECK(device.GetSampleRate() == kJackRate);

    SynthTest::JackListener listener("orvelle-synth-listener");
    SYNTH_CHECK(listener.IsOpen());
    SYNTH_CHECK(listener.ConnectFrom("^Orvelle") == 2);
    SYNTH_CHECK(SynthTest::WaitUntil([&] { return listener.SilentPeriods() > 20; }, 10000));

    // An organ holds its note for as long as the key is down, so only the
    // reset can bring the silence awaited below.
    device.Send(MidiMessage(0xC0, 0, 19, 0));
    const std::int64_t beforeNoteOn = Core::Timer::NowMs();
    device.Send(NoteOn(69));
    const std::int64_t afterNoteOn = Core::Timer::NowMs();
    SYNTH_CHECK(device.GetLastNoteOnMs() >= beforeNoteOn && device.GetLastNoteOnMs() <= afterNoteOn);
    // The synthesiser's ports play into the server's playback ports: at
    // least one period of 1024 frames, at most the server's whole buffer.
    const double latency = device.GetOutputLatencySeconds();
    std::printf("JACK output latency: %.1f ms\n", latency * 1000.0);
    SYNTH_CHECK(latency >= 1024.0 / kJackRate && latency <= 4 * 1024.0 / kJackRate);
    // A question sent before that note-on became audible a latency after it;
    // one sent since has not sounded yet.
    SYNTH_CHECK(device.GetAudibleSinceMs(beforeNoteOn)
                == device.GetLastNoteOnMs() + static_cast<std::int64_t>(std::llround(latency * 1000.0)));
    SYNTH_CHECK(device.GetAudibleSinceMs(afterNoteOn + 1) == -1);
    float heard = 0.0f;
    SYNTH_CHECK(SynthTest::WaitUntil([&] { return (heard = std::max(heard, listener.TakePeak())) > 1e-2f; }, 10000));
    // In tune as heard through the server: a synthesiser rendering at
    // 48 kHz into a 44.1 kHz server would sound 147 cents flat.
    listener.StartRecording(kJackRate / 2);
    std::vector<float> heldNote;
    SYNTH_CHECK(SynthTest::WaitUntil([&] { return !(heldNote = listener.Recording()).empty(); }, 10000));
    const auto partial = SynthTest::StrongestPartialNear(heldNote.data(), heldNote.size(), kJackRate, 440.0, 300.0);
    std::printf("A4 through JACK at %d Hz: %.2f Hz\n", kJackRate, partial.hertz);
    SYNTH_CHECK(std::fabs(SynthTest::Cents(partial.hertz, 440.0)) < 5.0);

    device.Reset();
    SYNTH_CHECK(SynthTest::WaitUntil([&] { return listener.SilentPeriods() > 50; }, 10000));
}

// RMS of the first `seconds` of sound after a note starts, past its attack.
// The start is where the sound first reaches a tenth of its peak, so that
// notes of any loudness are measured over the same stretch.
double LevelOfNote(MidiOutSynthDevice &device, SynthTest::JackListener &listener, int note, int velocity)
{
    listener.StartRecording(kJackRate);
    device.Send(MidiMessage(0x90, 0, static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(velocity)));
    std::vector<float> heard;
    SynthTest::WaitUntil([&] { return !(heard = listener.Recording()).empty(); }, 10000);
    device.Reset();
    // A note still sounding would be measured with the next one.
    if (heard.empty() || !SynthTest::WaitUntil([&] { return listener.SilentPeriods() > 5; }, 10000))
        return 0.0;
    const float peak = SynthTest::Peak(heard, 0, heard.size());
    std::size_t start = 0;
    while (start < heard.size() && std::fabs(heard[start]) < 0.1f * peak)
        ++start;
    const std::size_t from = start + kJackRate / 20, to = std::min(heard.size(), start + kJackRate * 7 / 20);
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(heard[i]) * heard[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

// The pitch test plays its tones at three levels chosen by velocity: each
// must come out of the server within half a decibel of its level below
// full velocity, on the piano and on the pure tone, low and high.
void ToneLevelsFollowTheirVelocities()
{
    SYNTH_CHECK(jack && jack->Started());
    MidiOutSynthDevice device;
    SYNTH_CHECK(device.IsAudioAvailable());
    SynthTest::JackListener listener("orvelle-level-listener");
    SYNTH_CHECK(listener.ConnectFrom("^Orvelle") == 2);
    SYNTH_CHECK(SynthTest::WaitUntil([&] { return listener.SilentPeriods() > 5; }, 10000));

    for (int program : {Core::kDefaultProgram, Core::kPureTone}) {
        device.SelectInstrument(0, program);
        device.Reset(); // full channel volume, as after every stop in the program
        for (int note : {PitchTest::kLowestNote, PitchTest::kHighestNote}) {
            const double full = LevelOfNote(device, listener, note, PitchTest::kFullLevelVelocity);
            SYNTH_CHECK(full > 1e-3); // else nothing was heard, or a note never stopped
            for (const PitchTest::ToneLevel &level : PitchTest::kToneLevels) {
                const double decibels = 20.0 * std::log10(LevelOfNote(device, listener, note, level.velocity) / full);
                std::printf("program %d, note %d, velocity %d: %.2f dB (%d dB asked)\n", program, note,
                            level.velocity, decibels, level.decibels);
                SYNTH_CHECK(std::fabs(decibels - level.decibels) <= 0.5);
            }
        }
    }
}

void SendAndResetFromTwoThreadsWhileJackPlays()
{
    SYNTH_CHECK(jack && jack->Started());
    MidiOutSynthDevice device;
    SYNTH_CHECK(device.IsAudioAvailable());

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
    SYNTH_CHECK(device.IsAudioAvailable());
    SYNTH_CHECK(warnings->Take() == QStringList());
}

} // namespace

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
    warnings = std::make_unique<SynthTest::WarningLog>();

    SynthTest::RunCase("withoutOutputTheDeviceStaysUsableAndQuiet", WithoutOutputTheDeviceStaysUsableAndQuiet);
    SynthTest::RunCase("openPicksUpAServerStartedLater", OpenPicksUpAServerStartedLater);
    SynthTest::RunCase("notesSoundThroughJackAndResetStopsThem", NotesSoundThroughJackAndResetStopsThem);
    SynthTest::RunCase("toneLevelsFollowTheirVelocities", ToneLevelsFollowTheirVelocities);
    SynthTest::RunCase("sendAndResetFromTwoThreadsWhileJackPlays", SendAndResetFromTwoThreadsWhileJackPlays);

    earlyDevice.reset();
    jack.reset();
    warnings.reset();
    return SynthTest::FailureCount() == 0 ? 0 : 1;
}
