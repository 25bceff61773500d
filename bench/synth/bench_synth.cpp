// Figures for the built-in synthesiser: start-up time, how soon a note-on
// becomes sound, and what the loaded synthesiser costs in CPU while idle.
//
// The machine's own sound servers and cards are hidden (as in the tests) so
// that the figures are the same everywhere; live output is measured through
// a JACK server with the dummy driver started here.

#include "jack_server.h"

#include <synth/midi_device_synth.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <fluidsynth.h>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

using Core::MidiMessage;
using Core::MidiOutSynthDevice;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kNoteVelocity = 96;
constexpr double kIdleSeconds = 3.0;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double ProcessCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU seconds of another process so far (user + system), from /proc.
double OtherProcessCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0.0;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0.0;
    return (fields[11].toDouble() + fields[12].toDouble()) / sysconf(_SC_CLK_TCK);
}

// Percent of one core the process used over kIdleSeconds.
double IdleCpuPercent()
{
    const double before = ProcessCpuSeconds();
    std::this_thread::sleep_for(std::chrono::duration<double>(kIdleSeconds));
    return 100.0 * (ProcessCpuSeconds() - before) / kIdleSeconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void MeasureConstruction()
{
    std::printf("\n== Construction (median of 5)\n");
    for (auto output : {MidiOutSynthDevice::Output::Offline, MidiOutSynthDevice::Output::Audio}) {
        std::vector<double> times;
        QString status;
        for (int i = 0; i < 5; ++i) {
            const auto start = Clock::now();
            MidiOutSynthDevice device(output);
            times.push_back(Milliseconds(Clock::now() - start));
            status = device.GetStatusText();
        }
        std::printf("  %-8s %7.1f ms  (%s)\n", output == MidiOutSynthDevice::Output::Offline ? "offline" : "audio",
                    Median(times), qUtf8Printable(status));
    }
}

// Frames rendered after a note-on until one sample exceeds the threshold.
int FramesToFirstSound(int note, float threshold)
{
    MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
    const int period = MidiOutSynthDevice::kPeriodSize;
    std::vector<float> left(period), right(period);
    for (int i = 0; i < 8; ++i)
        device.Render(left.data(), right.data(), period);
    device.Send(MidiMessage(0x90, 0, static_cast<std::uint8_t>(note), kNoteVelocity));
    for (int rendered = 0; rendered < device.GetSampleRate(); rendered += period) {
        device.Render(left.data(), right.data(), period);
        for (int i = 0; i < period; ++i) {
            if (std::fabs(left[i]) > threshold || std::fabs(right[i]) > threshold)
                return rendered + i;
        }
    }
    return -1;
}

void MeasureRenderLatency()
{
    const double rate = MidiOutSynthDevice::kSampleRate;
    const int period = MidiOutSynthDevice::kPeriodSize;
    const int periods = MidiOutSynthDevice::kPeriods;
    const double periodMs = 1000.0 * period / rate;
    std::printf("\n== Note-on to first sound, rendered offline in %d-frame blocks at %.0f Hz\n", period, rate);
    int slowestOnset = 0;
    for (float threshold : {1e-4f, 1e-3f}) {
        for (int note : {24, 60, 69, 107}) {
            const int frames = FramesToFirstSound(note, threshold);
            slowestOnset = std::max(slowestOnset, frames);
            std::printf("  note %3d, threshold %.0e: %4d frames = %.2f ms\n", note, double(threshold), frames,
                        1000.0 * frames / rate);
        }
    }
    std::printf("  output buffer: %d periods x %d frames = %.2f ms; waiting for the next block: up to %.2f ms\n",
                periods, period, periods * periodMs, periodMs);
    std::printf("  => Send to sound at the output: %.1f ms + the onset above; at worst %.1f ms\n",
                periods * periodMs, (periods + 1) * periodMs + 1000.0 * slowestOnset / rate);
}

// A thread of our own that renders one period per period of wall time on
// absolute deadlines, as an audio driver would.
void MeasureIdleWithRenderThread()
{
    MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
    std::printf("\n== Idle CPU, process total over %.0f s (one core = 100 %%)\n", kIdleSeconds);
    std::printf("  synthesiser loaded, nothing rendering:           %5.2f %%\n", IdleCpuPercent());

    std::atomic<bool> stop {false};
    std::thread renderer([&] {
        const int period = MidiOutSynthDevice::kPeriodSize;
        const long periodNs = static_cast<long>(1e9 * period / device.GetSampleRate());
        std::vector<float> left(period), right(period);
        timespec deadline {};
        clock_gettime(CLOCK_MONOTONIC, &deadline);
        while (!stop) {
            device.Render(left.data(), right.data(), period);
            deadline.tv_nsec += periodNs;
            if (deadline.tv_nsec >= 1000000000L) {
                deadline.tv_nsec -= 1000000000L;
                ++deadline.tv_sec;
            }
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
        }
    });
    std::printf("  own render thread, %d frames per %.2f ms:       %5.2f %%\n", MidiOutSynthDevice::kPeriodSize,
                1000.0 * MidiOutSynthDevice::kPeriodSize / device.GetSampleRate(), IdleCpuPercent());
    stop = true;
    renderer.join();
}

// FluidSynth's own "file" driver writing raw audio to /dev/null, with the
// device's synthesis settings (it runs on FluidSynth's timer thread).
void MeasureIdleWithFileDriver()
{
    fluid_settings_t *settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", MidiOutSynthDevice::kSampleRate);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "audio.period-size", MidiOutSynthDevice::kPeriodSize);
    fluid_settings_setint(settings, "audio.periods", MidiOutSynthDevice::kPeriods);
    fluid_settings_setstr(settings, "audio.file.name", "/dev/null");
    fluid_settings_setstr(settings, "audio.file.type", "raw");
    fluid_settings_setstr(settings, "audio.driver", "file");
    fluid_synth_t *synth = new_fluid_synth(settings);
    fluid_synth_sfload(synth, qUtf8Printable(MidiOutSynthDevice::DefaultSoundFontPaths().first()), 1);
    fluid_audio_driver_t *driver = new_fluid_audio_driver(settings, synth);
    if (driver)
        std::printf("  FluidSynth file driver to /dev/null:             %5.2f %%\n", IdleCpuPercent());
    else
        std::printf("  FluidSynth file driver: did not open\n");
    if (driver)
        delete_fluid_audio_driver(driver);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

void MeasureJack()
{
    const int rate = MidiOutSynthDevice::kSampleRate;
    const int period = MidiOutSynthDevice::kPeriodSize;
    JackServer server(QString::fromUtf8(qgetenv("JACK_DEFAULT_SERVER")), rate, period);
    std::printf("\n== Live output through a JACK server (dummy driver, %d frames at %d Hz, 2 periods)\n", period,
                rate);
    if (!server.WaitUntilReady(20000)) {
        std::printf("  jackd did not become ready:\n%s\n", qUtf8Printable(server.Output()));
        return;
    }
    std::unique_ptr<MidiOutSynthDevice> device;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        device = std::make_unique<MidiOutSynthDevice>();
        if (device->IsAudioAvailable())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!device || !device->IsAudioAvailable()) {
        std::printf("  the synthesiser found no JACK server\n");
        return;
    }
    const double jackdBefore = OtherProcessCpuSeconds(server.ProcessId());
    std::printf("  idle, this process:                               %5.2f %%\n", IdleCpuPercent());
    std::printf("  idle, the JACK server process:                    %5.2f %%\n",
                100.0 * (OtherProcessCpuSeconds(server.ProcessId()) - jackdBefore) / kIdleSeconds);

    SynthTest::JackListener listener("orvelle-synth-bench");
    if (listener.ConnectFrom("^Orvelle") < 2) {
        std::printf("  could not listen to the synthesiser's ports\n");
        return;
    }
    std::vector<double> latencies;
    for (int i = 0; i < 20; ++i) {
        device->Reset();
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        listener.Arm(1e-4f);
        const std::int64_t sent = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      Clock::now().time_since_epoch())
                                      .count();
        device->Send(MidiMessage(0x90, 0, static_cast<std::uint8_t>(48 + i), kNoteVelocity));
        const auto wait = Clock::now() + std::chrono::seconds(2);
        while (listener.FirstSoundNanoseconds() == 0 && Clock::now() < wait)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (listener.FirstSoundNanoseconds() != 0)
            latencies.push_back((listener.FirstSoundNanoseconds() - sent) / 1e6);
    }
    device->Reset();
    if (latencies.empty()) {
        std::printf("  no note was heard\n");
        return;
    }
    std::sort(latencies.begin(), latencies.end());
    const double buffer = 2000.0 * period / rate;
    std::printf("  Send to first loud sample in a JACK cycle (%zu notes): min %.2f, median %.2f, max %.2f ms\n",
                latencies.size(), latencies.front(), Median(latencies), latencies.back());
    std::printf("  plus the dummy driver's 2-period output buffer, %.2f ms: median %.2f ms to the output\n", buffer,
                Median(latencies) + buffer);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir runtimeDir;
    const QString emptyAlsaConfig = runtimeDir.filePath(QStringLiteral("asound.conf"));
    QFile(emptyAlsaConfig).open(QIODevice::WriteOnly);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    qunsetenv("PULSE_SERVER");
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(emptyAlsaConfig));
    QCoreApplication app(argc, argv);
    qputenv("JACK_DEFAULT_SERVER", QStringLiteral("orvelle-synth-bench-%1").arg(app.applicationPid()).toUtf8());
    // The one-line warnings of devices without an output are expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    std::printf("Built-in synthesiser benchmark (%s)\n",
                qUtf8Printable(MidiOutSynthDevice::DefaultSoundFontPaths().first()));
    MeasureConstruction();
    MeasureRenderLatency();
    MeasureIdleWithRenderThread();
    MeasureIdleWithFileDriver();
    MeasureJack();
    return 0;
}
