#pragma once

#include <QString>

#include <memory>

#include <fluidsynth/types.h>

namespace Core {

struct AudioDriverDeleter {
    void operator()(fluid_audio_driver_t *driver) const;
};
using AudioDriverPtr = std::unique_ptr<fluid_audio_driver_t, AudioDriverDeleter>;

struct AudioOutput {
    AudioDriverPtr driver; // empty when no output opened
    QString name;          // "PulseAudio", "ALSA" or "JACK"
    int sampleRate = 0;    // the synthesiser's rate, equal to the device's
    // From the synthesiser's samples to the speaker, as the output reports
    // it: JACK's playback latency of the synthesiser's ports, the buffer an
    // ALSA device grants, the buffer asked of PulseAudio. 0 when unknown.
    double latencySeconds = 0.0;
};

// Opens the first desktop audio output that works, in the order PulseAudio
// (which PipeWire also serves), ALSA, JACK, and connects it to the synthesiser.
// Before each try the synthesiser is set to the rate that output will run
// at (JACK's server rate, the rate ALSA's device grants, the preferred rate
// for PulseAudio, which resamples): a synthesiser rendering at another rate
// than its device's would detune every note. preferredRate is the rate asked
// for where the device can choose.
// It never starts a sound server: PulseAudio is tried only when its socket
// exists and JACK only when a server answers. Errors the sound libraries
// would print go to the lcSynth category instead of the terminal.
AudioOutput OpenDesktopAudioOutput(fluid_settings_t *settings, fluid_synth_t *synth, int preferredRate);

} // namespace Core
