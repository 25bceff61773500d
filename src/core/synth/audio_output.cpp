#include "audio_output.h"

#include "synth_log.h"

#include <midi/midi_log.h>

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

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
// JackNoStartServer answers at once.
bool JackServerRunning()
{
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
    // alsa-lib and libjack print configuration and connection errors to the
    // terminal when there is no card or server; their printers stay quiet
    // for the rest of the process.
    SilenceSoundLibraries();
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

    output.driver = TryDriver(settings, synth, "alsa");
    if (output.driver) {
        output.name = QStringLiteral("ALSA");
        return output;
    }

    if (JackServerRunning()) {
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
