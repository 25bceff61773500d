#pragma once

#include "audio_output.h"

#include <midi/midi_device.h>
#include <theory/piano.h>

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <mutex>

#include <fluidsynth/types.h>

namespace Core {

// A General MIDI synthesiser inside the program (FluidSynth with a
// soundfont), for desktops that have no synthesiser of their own.
//
// Construction never fails, throws or waits for a sound server: without a
// soundfont or without an audio output the device still accepts every call
// and stays silent, and it says why once through qWarning and afterwards
// through GetStatusText.
//
// Send, Reset, SetGain and Render may be called from any thread; Send and
// Reset exclude each other, so a reset is never interleaved with a note.
// Construct it and call Open on the GUI thread, before MIDI ports are opened
// where possible: while ALSA and JACK are tried, their process-wide error
// printers are briefly replaced.
class MidiOutSynthDevice : public MidiOutDevice {
public:
    enum class Output {
        Audio,   // plays through the desktop's sound server or card
        Offline, // opens no audio output; the caller pulls samples with Render
    };

    // Chosen so that a question note starts sounding within about 8 ms.
    static constexpr int kSampleRate = 48000;
    static constexpr int kPeriodSize = 128;
    static constexpr int kPeriods = 3;
    static constexpr double kDefaultGain = 0.5;
    // Concert pitch and the range of reference pitches offered, from
    // baroque pitch (A4 = 415 Hz) up to the highest orchestral ones.
    static constexpr double kDefaultReferencePitch = Piano::kDefaultReferencePitch;
    static constexpr double kLowestReferencePitch = Piano::kLowestReferencePitch;
    static constexpr double kHighestReferencePitch = Piano::kHighestReferencePitch;

    // Debian's General MIDI soundfonts, in order of preference.
    static QStringList DefaultSoundFontPaths();

    explicit MidiOutSynthDevice(Output output = Output::Audio);
    // Loads the first soundfont of the list that exists and loads.
    MidiOutSynthDevice(Output output, const QStringList &soundFontCandidates);
    ~MidiOutSynthDevice() override;

    // "Built-in synthesizer".
    QString GetName() const override;
    // Tries again to open an audio output if none is open (a sound server
    // may have started since); does nothing offline or without a soundfont.
    void Open() override;
    // Closes a JACK audio output whose server stopped; Open finds the next
    // output that works, once nothing of the stopped server is left open.
    void ForgetJackServer() override;
    // All sound off, reset controllers and full channel volume on all 16
    // channels; programs stay as they are.
    void Reset() override;
    // Plays channel messages; system messages and malformed ones are ignored,
    // and so is everything while no audio output is open (Audio mode).
    void Send(const MidiMessage &message) override;
    // Output gain, 0..1.
    double GetGain() const override;
    // Clamped to 0..1.
    void SetGain(double gain) override;

    // The frequency of A4 in Hz, clamped to the range above; every key is
    // tuned in equal temperament from it, with per-key corrections for the
    // samples of the default soundfont that are out of tune.
    void SetReferencePitch(double hertz);
    double GetReferencePitch() const;
    // Turns the per-key corrections off (for measuring the soundfont itself).
    void SetTuningCorrections(bool on);

    // Selects a General MIDI program, or kPureTone, on a channel: what a
    // bank select and a program change do (PureToneMessages gives those).
    void SelectInstrument(int channel, int program);
    bool HasPureTone() const { return pureToneId >= 0; }

    // Offline mode: synthesises frames of stereo audio into the two buffers.
    // In Audio mode the audio output owns the synthesiser; this writes
    // silence and returns false.
    bool Render(float *left, float *right, int frames);

    bool IsOffline() const { return output == Output::Offline; }
    bool HasSoundFont() const { return soundFontId >= 0; }
    // Path of the loaded soundfont; empty without one.
    QString GetSoundFontPath() const { return soundFontPath; }
    bool IsAudioAvailable() const;
    // "PulseAudio", "ALSA" or "JACK"; empty while no audio output is open.
    QString GetAudioOutputName() const;
    // The synthesiser's sample rate: its audio output's, or kSampleRate.
    int GetSampleRate() const;
    // One line for the user: where the sound goes, or why there is none.
    QString GetStatusText() const;
    // Seconds from a note-on to its sound at the speaker, as the audio output
    // reports them (AudioOutput::latencySeconds); 0 without an output. Takes
    // no lock.
    double GetOutputLatencySeconds() const { return outputLatency.load(); }
    // When the last note-on with a velocity reached the synthesiser
    // (Timer::NowMs), -1 before the first. Takes no lock.
    std::int64_t GetLastNoteOnMs() const { return lastNoteOnMs.load(); }
    // Its last note-on, when at or after sentMs, plus the output latency;
    // -1 when no note-on since sentMs has reached it.
    std::int64_t GetAudibleSinceMs(std::int64_t sentMs) const override;

private:
    struct SettingsDeleter {
        void operator()(fluid_settings_t *settings) const;
    };
    struct SynthDeleter {
        void operator()(fluid_synth_t *synth) const;
    };

    void CreateSynth();
    void LoadFirstSoundFont(const QStringList &candidates);
    void SelectPianoOnAllChannels();
    void LoadPureTone();
    void ApplyTuningLocked();
    void ActivateChannelTuningLocked(int channel);
    void OpenAudioOutput();
    bool IsPlayedLocked() const;
    void SendLocked(const MidiMessage &message);
    QString ProblemText(const QStringList &candidates) const;

    const Output output;
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings;
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth;
    int soundFontId = -1;
    QString soundFontPath;
    std::atomic<double> gain {kDefaultGain};
    std::atomic<int> sampleRate {kSampleRate};
    std::atomic<double> outputLatency {0.0};
    std::atomic<std::int64_t> lastNoteOnMs {-1};
    int pureToneId = -1;
    double referencePitch = kDefaultReferencePitch; // guarded by mutex
    bool corrected = true;                           // guarded by mutex

    // Guards the audio output and serialises Send, Reset, Open and Render.
    mutable std::mutex mutex;
    AudioOutput audio;
    QString problem; // why the device is silent; empty when it is not
};

} // namespace Core
