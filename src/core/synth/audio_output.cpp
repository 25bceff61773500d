#include "audio_output.h"

#include "synth_log.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <jack/jack.h>

#include <unistd.h>

#include <cstdarg>
#include <cstdio>

namespace Core {

void AudioDriverDeleter::operator()(fluid_audio_driver_t *driver) const
{
    delete_fluid_audio_driver(driver);
}

namespace {

void LogAlsaError(const char *file, int line, const char *function, int err, const char *format, ...)
{
    if (!lcSynth().isDebugEnabled())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    qCDebug(lcSynth, "ALSA %s:%d (%s): %s (error %d)", file, line, function, text, err);
}

void LogJackMessage(const char *message)
{
    qCDebug(lcSynth, "JACK: %s", message);
}

// alsa-lib prints configuration errors to stderr when there is no card; keep
// them out of the terminal while this output is tried, then put back
// whatever handler was there.
class QuietAlsa {
public:
    QuietAlsa() : saved(snd_lib_error) { snd_lib_error_set_handler(LogAlsaError); }
    ~QuietAlsa() { snd_lib_error_set_handler(saved); }
    QuietAlsa(const QuietAlsa &) = delete;
    QuietAlsa &operator=(const QuietAlsa &) = delete;

private:
    snd_lib_error_handler_t saved;
};

// libjack prints "Cannot connect to server socket" and the like to stderr.
// Its defaults are put back afterwards (nothing else in the program sets them).
class QuietJack {
public:
    QuietJack()
    {
        jack_set_error_function(LogJackMessage);
        jack_set_info_function(LogJackMessage);
    }
    ~QuietJack()
    {
        jack_set_error_function(nullptr);
        jack_set_info_function(nullptr);
    }
    QuietJack(const QuietJack &) = delete;
    QuietJack &operator=(const QuietJack &) = delete;
};

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
// JackNoStartServer answers at once.
bool JackServerRunning()
{
    QuietJack quiet;
    jack_status_t status {};
    jack_client_t *client = jack_client_open("Orvelle probe", JackNoStartServer, &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

AudioDriverPtr TryDriver(fluid_settings_t *settings, fluid_synth_t *synth, const char *driverName)
{
    fluid_settings_setstr(settings, "audio.driver", driverName);
    AudioDriverPtr driver(new_fluid_audio_driver(settings, synth));
    qCDebug(lcSynth, "audio driver %s %s", driverName, driver ? "opened" : "did not open");
    return driver;
}

} // namespace

AudioOutput OpenDesktopAudioOutput(fluid_settings_t *settings, fluid_synth_t *synth)
{
    AudioOutput output;
    if (PulseServerMayBeRunning()) {
        output.driver = TryDriver(settings, synth, "pulseaudio");
        if (output.driver) {
            output.name = QStringLiteral("PulseAudio");
            return output;
        }
    } else {
        qCDebug(lcSynth, "no PulseAudio server socket; PulseAudio not tried");
    }

    {
        QuietAlsa quiet;
        output.driver = TryDriver(settings, synth, "alsa");
    }
    if (output.driver) {
        output.name = QStringLiteral("ALSA");
        return output;
    }

    if (JackServerRunning()) {
        QuietJack quiet;
        output.driver = TryDriver(settings, synth, "jack");
        if (output.driver) {
            output.name = QStringLiteral("JACK");
            return output;
        }
    } else {
        qCDebug(lcSynth, "no JACK server running; JACK not tried");
    }
    return output;
}

} // namespace Core
