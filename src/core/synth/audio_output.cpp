#include "audio_output.h"

#include "synth_log.h"

#include <midi/midi_log.h>

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <jack/jack.h>

#include <unistd.h>

namespace Core {

void AudioDriverDeleter::operator()(fluid_audio_driver_t *driver) const
{
    delete_fluid_audio_driver(driver);
}

namespace {

// Connecting to PulseAudio without a server may spawn a daemon and wait for
// it, so only an existing socket (or an explicit PULSE_SERVER) counts.
bool PulseServerMayBeRunning()
{
    if (qEnvironmentVariableIsSet("PULSE_SERVER"))
        return true;
    QStringList sockets;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty())
        sockets << runtimeDir + QStringLiteral("/pulse/native");
    else
        sockets << QStringLiteral("/run/user/%1/pulse/native").arg(getuid());
    sockets << QStringLiteral("/run/pulse/native") << QStringLiteral("/var/run/pulse/native");
    for (const QString &socket : sockets) {
        if (QFileInfo::exists(socket))
            return true;
    }
    return false;
}

// FluidSynth's JACK driver lets libjack start a server when none runs, which
// takes seconds and fails without a card; asking first with
// JackNoStartServer answers at once. Returns the server's sample rate, 0
// when no server runs.
int RunningJackServerRate()
{
    jack_status_t status {};
    jack_client_t *client = jack_client_open("Orvelle probe", JackNoStartServer, &status);
    if (!client)
        return 0;
    const auto rate = static_cast<int>(jack_get_sample_rate(client));
    jack_client_close(client);
    return rate;
}

// The playback latency of the synthesiser's JACK ports (the client FluidSynth
// opened under audio.jack.id), in frames: the largest any of them reports,
// or the server's period while the ports are not yet connected.
int JackPlaybackLatencyFrames(fluid_settings_t *settings)
{
    jack_status_t status {};
    jack_client_t *client = jack_client_open("Orvelle probe", JackNoStartServer, &status);
    if (!client)
        return 0;
    char *id = nullptr;
    QByteArray pattern("^Orvelle[^:]*:");
    if (fluid_settings_dupstr(settings, "audio.jack.id", &id) == FLUID_OK && id) {
        pattern = "^" + QByteArray(id) + "[^:]*:";
        fluid_free(id);
    }
    jack_nframes_t frames = 0;
    if (const char **ports = jack_get_ports(client, pattern.constData(), nullptr, JackPortIsOutput)) {
        for (const char **name = ports; *name; ++name) {
            jack_latency_range_t range {};
            if (jack_port_t *port = jack_port_by_name(client, *name)) {
                jack_port_get_latency_range(port, JackPlaybackLatency, &range);
                frames = std::max(frames, range.max);
            }
        }
        jack_free(ports);
    }
    if (frames == 0)
        frames = jack_get_buffer_size(client);
    jack_client_close(client);
    return static_cast<int>(frames);
}

int IntSetting(fluid_settings_t *settings, const char *name)
{
    int value = 0;
    fluid_settings_getint(settings, name, &value);
    return value;
}

struct AlsaGrant {
    int rate = 0;         // 0 when the device does not open
    int bufferFrames = 0;
};

// The rate and buffer ALSA's device grants for the format FluidSynth's ALSA
// driver asks for (16-bit stereo, interleaved, its periods); the driver
// itself takes whatever it gets and would leave the synthesiser at its own
// rate.
AlsaGrant AlsaGranted(fluid_settings_t *settings, int wanted)
{
    char *device = nullptr;
    if (fluid_settings_dupstr(settings, "audio.alsa.device", &device) != FLUID_OK || !device)
        return {};
    snd_pcm_t *pcm = nullptr;
    const int opened = snd_pcm_open(&pcm, device, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    fluid_free(device);
    if (opened < 0)
        return {};
    snd_pcm_hw_params_t *params = nullptr;
    unsigned int rate = static_cast<unsigned int>(wanted);
    bool granted = snd_pcm_hw_params_malloc(&params) == 0;
    granted = granted && snd_pcm_hw_params_any(pcm, params) >= 0
              && snd_pcm_hw_params_set_access(pcm, params, SND_PCM_ACCESS_RW_INTERLEAVED) >= 0
              && snd_pcm_hw_params_set_format(pcm, params, SND_PCM_FORMAT_S16) >= 0
              && snd_pcm_hw_params_set_channels(pcm, params, 2) >= 0
              && snd_pcm_hw_params_set_rate_near(pcm, params, &rate, nullptr) >= 0;
    snd_pcm_uframes_t period = static_cast<snd_pcm_uframes_t>(IntSetting(settings, "audio.period-size"));
    unsigned int periods = static_cast<unsigned int>(IntSetting(settings, "audio.periods"));
    snd_pcm_uframes_t buffer = 0;
    const bool sized = granted && snd_pcm_hw_params_set_period_size_near(pcm, params, &period, nullptr) >= 0
                       && snd_pcm_hw_params_set_periods_near(pcm, params, &periods, nullptr) >= 0
                       && snd_pcm_hw_params(pcm, params) >= 0
                       && snd_pcm_hw_params_get_buffer_size(params, &buffer) >= 0;
    if (params)
        snd_pcm_hw_params_free(params);
    snd_pcm_close(pcm);
    if (!granted)
        return {};
    return {static_cast<int>(rate), sized ? static_cast<int>(buffer) : 0};
}

// Sets the rate the synthesiser renders at. The setting alone does not reach
// a synthesiser that exists already (nor does FluidSynth's JACK driver when
// it adjusts that setting to its server's rate), so the synthesiser is told
// directly; it must not be rendering yet.
void MatchSynthRate(fluid_settings_t *settings, fluid_synth_t *synth, int rate)
{
    double current = 0.0;
    fluid_settings_getnum(settings, "synth.sample-rate", &current);
    if (static_cast<int>(current) == rate)
        return;
    qCDebug(lcSynth, "synthesiser rate %d Hz to match its output", rate);
    fluid_settings_setnum(settings, "synth.sample-rate", rate);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // Deprecated for real-time changes; before the first sample it is the
    // only way to change the rate of a synthesiser with its soundfont loaded.
    fluid_synth_set_sample_rate(synth, static_cast<float>(rate));
#pragma GCC diagnostic pop
}

AudioDriverPtr TryDriver(fluid_settings_t *settings, fluid_synth_t *synth, const char *driverName)
{
    fluid_settings_setstr(settings, "audio.driver", driverName);
    AudioDriverPtr driver(new_fluid_audio_driver(settings, synth));
    qCDebug(lcSynth, "audio driver %s %s", driverName, driver ? "opened" : "did not open");
    return driver;
}

} // namespace

AudioOutput OpenDesktopAudioOutput(fluid_settings_t *settings, fluid_synth_t *synth, int preferredRate)
{
    // alsa-lib and libjack print configuration and connection errors to the
    // terminal when there is no card or server; their printers stay quiet
    // for the rest of the process.
    SilenceSoundLibraries();
    AudioOutput output;
    if (PulseServerMayBeRunning()) {
        MatchSynthRate(settings, synth, preferredRate);
        output.driver = TryDriver(settings, synth, "pulseaudio");
        if (output.driver) {
            output.name = QStringLiteral("PulseAudio");
            output.sampleRate = preferredRate;
            output.latencySeconds = double(IntSetting(settings, "audio.period-size"))
                                    * IntSetting(settings, "audio.periods") / preferredRate;
            return output;
        }
    } else {
        qCDebug(lcSynth, "no PulseAudio server socket; PulseAudio not tried");
    }

    const AlsaGrant alsa = AlsaGranted(settings, preferredRate);
    if (alsa.rate) {
        MatchSynthRate(settings, synth, alsa.rate);
        output.driver = TryDriver(settings, synth, "alsa");
        output.sampleRate = alsa.rate;
        output.latencySeconds = double(alsa.bufferFrames) / alsa.rate;
    } else {
        qCDebug(lcSynth, "no ALSA playback device; ALSA not tried");
    }
    if (output.driver) {
        output.name = QStringLiteral("ALSA");
        return output;
    }

    if (const int rate = RunningJackServerRate()) {
        MatchSynthRate(settings, synth, rate);
        output.driver = TryDriver(settings, synth, "jack");
        if (output.driver) {
            output.name = QStringLiteral("JACK");
            output.sampleRate = rate;
            output.latencySeconds = double(JackPlaybackLatencyFrames(settings)) / rate;
            return output;
        }
    } else {
        qCDebug(lcSynth, "no JACK server running; JACK not tried");
    }
    MatchSynthRate(settings, synth, preferredRate);
    return output;
}

} // namespace Core
