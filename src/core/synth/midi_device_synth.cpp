#include "midi_device_synth.h"

#include "pure_tone_soundfont.h"
#include "synth_log.h"
#include "tuning_corrections.h"

#include <theory/instruments.h>
#include <timer.h>

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtGlobal>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace Core {

namespace {

constexpr int kChannels = 16;
constexpr int kControlVolume = 7;
constexpr int kControlAllSoundOff = 120;
constexpr int kControlResetAll = 121;
constexpr int kPianoProgram = 0;
// Where each program's key tuning is kept among FluidSynth's tunings: bank 0
// for the General MIDI programs, bank 1 for the pure tone.
int TuningBank(int program)
{
    return program == kPureTone ? 1 : 0;
}

int TuningProgram(int program)
{
    return program == kPureTone ? 0 : program;
}

// FluidSynth's gain for a device gain of 1. A piano note at velocity 96 peaks
// at about 0.24 of full scale at the default gain and below 0.5 at full gain
// anywhere on the keyboard, which leaves room for louder velocities.
constexpr double kSynthGainAtFullScale = 2.0;

// The device's texts, translated under its name.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Core::MidiOutSynthDevice)
};

// Bytes a channel message needs, status included.
int ChannelMessageLength(int type)
{
    return type == 0xC0 || type == 0xD0 ? 2 : 3;
}

bool IsDataByte(std::uint8_t byte)
{
    return byte < 0x80;
}

} // namespace

void MidiOutSynthDevice::SettingsDeleter::operator()(fluid_settings_t *s) const
{
    delete_fluid_settings(s);
}

void MidiOutSynthDevice::SynthDeleter::operator()(fluid_synth_t *s) const
{
    delete_fluid_synth(s);
}

QStringList MidiOutSynthDevice::DefaultSoundFontPaths()
{
    return {
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
    };
}

MidiOutSynthDevice::MidiOutSynthDevice(Output output)
    : MidiOutSynthDevice(output, DefaultSoundFontPaths())
{
}

MidiOutSynthDevice::MidiOutSynthDevice(Output output, const QStringList &soundFontCandidates)
    : output(output)
{
    RouteFluidSynthLog();
    CreateSynth();
    if (synth) {
        LoadFirstSoundFont(soundFontCandidates);
        LoadPureTone();
        SelectPianoOnAllChannels();
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        ApplyTuningLocked();
        if (output == Output::Audio && HasSoundFont())
            OpenAudioOutput();
        problem = ProblemText(soundFontCandidates);
    }
    if (!problem.isEmpty())
        qWarning("Orvelle: %s", qUtf8Printable(problem));
}

MidiOutSynthDevice::~MidiOutSynthDevice() = default;

void MidiOutSynthDevice::CreateSynth()
{
    settings.reset(new_fluid_settings());
    if (!settings)
        return;
    fluid_settings_t *s = settings.get();
    // A refused setting means a FluidSynth whose names differ from these.
    auto check = [](int result, const char *name) {
        if (result == FLUID_FAILED)
            qCDebug(lcSynth, "FluidSynth refused the setting %s", name);
    };
    check(fluid_settings_setnum(s, "synth.sample-rate", kSampleRate), "synth.sample-rate");
    check(fluid_settings_setnum(s, "synth.gain", kDefaultGain * kSynthGainAtFullScale), "synth.gain");
    // A dry tone: chorus detunes copies of the note, and the reverb tail of
    // a stopped note would still ring under the next question (all sound
    // off does not clear it).
    check(fluid_settings_setint(s, "synth.chorus.active", 0), "synth.chorus.active");
    check(fluid_settings_setint(s, "synth.reverb.active", 0), "synth.reverb.active");
    check(fluid_settings_setint(s, "audio.period-size", kPeriodSize), "audio.period-size");
    check(fluid_settings_setint(s, "audio.periods", kPeriods), "audio.periods");
    check(fluid_settings_setstr(s, "audio.jack.id", "Orvelle"), "audio.jack.id");
    // Without this the JACK output would sound nowhere until someone wires it.
    check(fluid_settings_setint(s, "audio.jack.autoconnect", 1), "audio.jack.autoconnect");
    synth.reset(new_fluid_synth(s));
}

void MidiOutSynthDevice::LoadFirstSoundFont(const QStringList &candidates)
{
    for (const QString &path : candidates) {
        if (!QFileInfo(path).isFile())
            continue;
        const int id = fluid_synth_sfload(synth.get(), QFile::encodeName(path).constData(), 1);
        if (id == FLUID_FAILED) {
            qCDebug(lcSynth, "soundfont %s did not load", qUtf8Printable(path));
            continue;
        }
        soundFontId = id;
        soundFontPath = path;
        return;
    }
}

void MidiOutSynthDevice::SelectPianoOnAllChannels()
{
    if (!HasSoundFont())
        return;
    // Channel 10 too: no drum channel here, so a program change on any
    // channel picks a melodic instrument.
    for (int channel = 0; channel < kChannels; ++channel) {
        fluid_synth_set_channel_type(synth.get(), channel, CHANNEL_TYPE_MELODIC);
        fluid_synth_program_select(synth.get(), channel, soundFontId, 0, kPianoProgram);
    }
}

void MidiOutSynthDevice::OpenAudioOutput()
{
    audio = OpenDesktopAudioOutput(settings.get(), synth.get(), kSampleRate);
    sampleRate.store(audio.driver ? audio.sampleRate : kSampleRate);
    outputLatency.store(audio.driver ? audio.latencySeconds : 0.0);
}

// The sine preset, from a file of its own that is gone once loaded.
void MidiOutSynthDevice::LoadPureTone()
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/orvelle-pure-tone-XXXXXX.sf2"));
    if (!file.open() || file.write(PureToneSoundFont()) < 0 || !file.flush())
        return;
    // Loaded without resetting presets: the General MIDI soundfont keeps bank 0.
    const int id = fluid_synth_sfload(synth.get(), QFile::encodeName(file.fileName()).constData(), 0);
    if (id != FLUID_FAILED)
        pureToneId = id;
    else
        qCDebug(lcSynth, "the pure tone did not load");
}

// Equal temperament from the reference pitch with per-key corrections, as
// one key tuning per program (the corrections differ between instruments),
// each channel using its program's; FluidSynth keeps a channel's tuning
// through resets, and a program change selects the new program's in
// SendLocked. FluidSynth picks a note's sample zone by the pitch it sounds,
// so the corrections follow the sounding key; above the last zone of an
// instrument (C8 on the piano once A4 is above 452 Hz) a key is silent.
void MidiOutSynthDevice::ApplyTuningLocked()
{
    if (!HasSoundFont())
        return;
    const double offsetCents = 1200.0 * std::log2(referencePitch / kDefaultReferencePitch);
    const int offsetKeys = static_cast<int>(std::lround(offsetCents / 100.0));
    const bool correctable = corrected && QFileInfo(soundFontPath).fileName() == DefaultSoundFontName();
    fluid_synth_t *s = synth.get();
    double pitches[128];
    for (int program = kPureTone; program < 128; ++program) {
        for (int key = 0; key < 128; ++key) {
            const double correction = correctable ? TuningCorrectionCents(program, key + offsetKeys) : 0.0;
            pitches[key] = 100.0 * key + offsetCents + correction;
        }
        fluid_synth_activate_key_tuning(s, TuningBank(program), TuningProgram(program), "Orvelle", pitches, 1);
    }
    for (int channel = 0; channel < kChannels; ++channel)
        ActivateChannelTuningLocked(channel);
}

void MidiOutSynthDevice::ActivateChannelTuningLocked(int channel)
{
    int fontId = 0, bank = 0, preset = 0;
    if (fluid_synth_get_program(synth.get(), channel, &fontId, &bank, &preset) != FLUID_OK)
        return;
    const int program = bank == kPureToneBank ? kPureTone : preset;
    fluid_synth_activate_tuning(synth.get(), channel, TuningBank(program), TuningProgram(program), 1);
}

void MidiOutSynthDevice::SetTuningCorrections(bool on)
{
    std::lock_guard<std::mutex> lock(mutex);
    corrected = on;
    ApplyTuningLocked();
}

void MidiOutSynthDevice::SelectInstrument(int channel, int program)
{
    if (!HasSoundFont() || channel < 0 || channel >= kChannels || program < kPureTone || program > 127)
        return;
    std::lock_guard<std::mutex> lock(mutex);
    if (program == kPureTone) {
        if (pureToneId < 0)
            return;
        fluid_synth_program_select(synth.get(), channel, pureToneId, kPureToneBank, 0);
    } else {
        fluid_synth_program_select(synth.get(), channel, soundFontId, 0, program);
    }
    ActivateChannelTuningLocked(channel);
}
void MidiOutSynthDevice::SetReferencePitch(double hertz)
{
    // NaN compares false both ways; it becomes concert pitch.
    double clamped = kDefaultReferencePitch;
    if (hertz >= kLowestReferencePitch)
        clamped = std::min(hertz, kHighestReferencePitch);
    else if (hertz < kLowestReferencePitch)
        clamped = kLowestReferencePitch;
    std::lock_guard<std::mutex> lock(mutex);
    if (clamped == referencePitch)
        return;
    referencePitch = clamped;
    ApplyTuningLocked();
}

double MidiOutSynthDevice::GetReferencePitch() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return referencePitch;
}

QString MidiOutSynthDevice::ProblemText(const QStringList &candidates) const
{
    if (!synth)
        return Texts::tr("the synthesizer could not be started; notes will be silent");
    if (!HasSoundFont()) {
        return Texts::tr("no General MIDI soundfont found (looked for %1); notes will be silent")
            .arg(candidates.isEmpty() ? Texts::tr("nothing") : candidates.join(QStringLiteral(", ")));
    }
    if (output == Output::Audio && !audio.driver)
        return Texts::tr("audio output is unavailable (no sound server or sound card); notes will be silent");
    return QString();
}

QString MidiOutSynthDevice::GetName() const
{
    return QStringLiteral("Built-in synthesizer");
}

void MidiOutSynthDevice::Open()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (output != Output::Audio || !HasSoundFont() || audio.driver)
        return;
    OpenAudioOutput();
    if (audio.driver)
        problem.clear();
}

void MidiOutSynthDevice::ForgetJackServer()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!audio.driver || audio.name != QLatin1String("JACK"))
        return;
    audio = AudioOutput{};
    outputLatency.store(0.0);
    problem = ProblemText({});
    qCDebug(lcSynth, "the JACK server stopped; the audio output is closed");
}

void MidiOutSynthDevice::Reset()
{
    if (!HasSoundFont())
        return;
    std::lock_guard<std::mutex> lock(mutex);
    if (!IsPlayedLocked())
        return;
    fluid_synth_t *s = synth.get();
    for (int channel = 0; channel < kChannels; ++channel) {
        fluid_synth_cc(s, channel, kControlAllSoundOff, 0);
        fluid_synth_cc(s, channel, kControlResetAll, 0);
        fluid_synth_cc(s, channel, kControlVolume, 127);
    }
}

void MidiOutSynthDevice::Send(const MidiMessage &message)
{
    if (!HasSoundFont())
        return;
    const std::uint8_t status = message.status;
    // Running status and system messages (system exclusive included) have no
    // meaning for this synthesiser.
    if (status < 0x80 || status >= 0xF0)
        return;
    const int needed = ChannelMessageLength(status & 0xF0);
    if (message.GetLength() < needed)
        return;
    if (!IsDataByte(message.data1) || (needed == 3 && !IsDataByte(message.data2)))
        return;
    std::lock_guard<std::mutex> lock(mutex);
    if (!IsPlayedLocked())
        return;
    SendLocked(message);
    if (message.GetType() == 0x90 && message.data2 > 0)
        lastNoteOnMs.store(Timer::NowMs());
}

void MidiOutSynthDevice::SendLocked(const MidiMessage &message)
{
    fluid_synth_t *s = synth.get();
    const int channel = message.GetChannel();
    const int d1 = message.data1;
    const int d2 = message.data2;
    switch (message.GetType()) {
    case 0x80:
        fluid_synth_noteoff(s, channel, d1);
        break;
    case 0x90:
        if (d2 == 0)
            fluid_synth_noteoff(s, channel, d1);
        else
            fluid_synth_noteon(s, channel, d1, d2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(s, channel, d1, d2);
        break;
    case 0xB0:
        fluid_synth_cc(s, channel, d1, d2);
        break;
    case 0xC0:
        fluid_synth_program_change(s, channel, d1);
        ActivateChannelTuningLocked(channel);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(s, channel, d1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(s, channel, d1 | (d2 << 7));
        break;
    default:
        break;
    }
}

std::int64_t MidiOutSynthDevice::GetAudibleSinceMs(std::int64_t sentMs) const
{
    const std::int64_t noteOn = lastNoteOnMs.load();
    if (sentMs < 0 || noteOn < sentMs)
        return sentMs < 0 ? sentMs : -1;
    return noteOn + static_cast<std::int64_t>(std::llround(outputLatency.load() * 1000.0));
}

double MidiOutSynthDevice::GetGain() const
{
    return gain.load();
}

void MidiOutSynthDevice::SetGain(double value)
{
    // NaN compares false both ways; it becomes silence rather than noise.
    const double clamped = value >= 0.0 ? std::min(value, 1.0) : 0.0;
    gain.store(clamped);
    if (synth)
        fluid_synth_set_gain(synth.get(), static_cast<float>(clamped * kSynthGainAtFullScale));
}

bool MidiOutSynthDevice::Render(float *left, float *right, int frames)
{
    if (!left || !right || frames <= 0)
        return frames == 0;
    std::lock_guard<std::mutex> lock(mutex);
    if (output != Output::Offline || !synth) {
        std::fill(left, left + frames, 0.0f);
        std::fill(right, right + frames, 0.0f);
        return output == Output::Offline;
    }
    fluid_synth_write_float(synth.get(), frames, left, 0, 1, right, 0, 1);
    return true;
}

bool MidiOutSynthDevice::IsPlayedLocked() const
{
    // Messages for a synthesiser that nothing renders would only pile up in
    // its event queue (and fill it) until an output opens.
    return output == Output::Offline || audio.driver;
}

bool MidiOutSynthDevice::IsAudioAvailable() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return static_cast<bool>(audio.driver);
}

QString MidiOutSynthDevice::GetAudioOutputName() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return audio.driver ? audio.name : QString();
}

int MidiOutSynthDevice::GetSampleRate() const
{
    return sampleRate.load();
}

QString MidiOutSynthDevice::GetStatusText() const
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!problem.isEmpty())
        return problem;
    const QString soundFont = QFileInfo(soundFontPath).fileName();
    if (output == Output::Offline)
        return Texts::tr("rendering offline with %1").arg(soundFont);
    return Texts::tr("playing %1 through %2").arg(soundFont, audio.name);
}

} // namespace Core
