// The built-in synthesiser rendered offline: pitch, silencing, gain, what
// it ignores, and how it chooses its soundfont.

#include "capture.h"
#include "pitch.h"

#include <synth/midi_device_synth.h>
#include <theory/instruments.h>

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(Core::MidiMessage)

using Core::MidiMessage;
using Core::MidiOutSynthDevice;
using SynthTest::Peak;

namespace {

constexpr float kSilence = 1e-4f;   // -80 dBFS
constexpr float kAudible = 1e-2f;   // a note at the default gain peaks far above this

std::unique_ptr<MidiOutSynthDevice> NewOfflineDevice()
{
    return std::make_unique<MidiOutSynthDevice>(MidiOutSynthDevice::Output::Offline);
}

// The left channel of the next `seconds` of audio.
std::vector<float> RenderSeconds(MidiOutSynthDevice &device, double seconds)
{
    const auto frames = static_cast<std::size_t>(seconds * device.GetSampleRate());
    std::vector<float> left(frames);
    std::vector<float> right(frames);
    device.Render(left.data(), right.data(), static_cast<int>(frames));
    return left;
}

MidiMessage Bytes(std::initializer_list<std::uint8_t> bytes)
{
    const std::vector<std::uint8_t> data(bytes);
    return MidiMessage(data.data(), data.size());
}

MidiMessage NoteOn(int note, int channel = 0)
{
    return MidiMessage(0x90, static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(note), 96);
}

MidiMessage NoteOff(int note)
{
    return MidiMessage(0x80, 0, static_cast<std::uint8_t>(note), 96);
}

MidiMessage Control(int controller, int value)
{
    return MidiMessage(0xB0, 0, static_cast<std::uint8_t>(controller), static_cast<std::uint8_t>(value));
}

double Rms(const std::vector<float> &samples, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

// What the generated soundfont's program of the pure-tone bank sounds like
// at a key: the first `seconds` after its attack.
std::vector<float> PureToneBankProgram(int program, int key, double seconds)
{
    auto device = NewOfflineDevice();
    device->Send(Control(0, Core::kPureToneBank));
    device->Send(Bytes({0xC0, static_cast<std::uint8_t>(program)}));
    device->Send(NoteOn(key));
    RenderSeconds(*device, 0.1);
    return RenderSeconds(*device, seconds);
}

double FundamentalAfterAttack(MidiOutSynthDevice &device)
{
    RenderSeconds(device, 0.1);
    const std::vector<float> held = RenderSeconds(device, 0.5);
    return SynthTest::EstimateFundamental(held.data(), held.size(), device.GetSampleRate(), 25.0, 5000.0);
}

} // namespace

class SynthDeviceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void noteSoundsAtItsPitch_data();
    void noteSoundsAtItsPitch();
    void releasedNoteFadesToSilence_data();
    void releasedNoteFadesToSilence();
    void resetSilencesAtOnceAndRestoresVolume();
    void programChangeChangesTheInstrument_data();
    void programChangeChangesTheInstrument();
    void malformedNoteOnsMakeNoSound_data();
    void malformedNoteOnsMakeNoSound();
    void systemAndTruncatedMessagesLeaveANoteSounding();
    void gainIsClampedAndScalesTheOutput();
    void missingSoundFontLeavesASilentUsableDevice();
    void unloadableSoundFontIsSkipped();
    void brownNoiseIsSteadyKeylessAndSixDecibelsBelowANote();

private:
    std::unique_ptr<SynthTest::WarningLog> warnings;
};

void SynthDeviceTest::initTestCase()
{
    warnings = std::make_unique<SynthTest::WarningLog>();
    auto device = NewOfflineDevice();
    QVERIFY2(device->HasSoundFont(), "install timgm6mb-soundfont (tools/install-deps.sh)");
    QCOMPARE(device->GetName(), QStringLiteral("Built-in synthesizer"));
    QCOMPARE(device->GetSoundFontPath(), MidiOutSynthDevice::DefaultSoundFontPaths().first());
    QCOMPARE(device->GetStatusText(), QStringLiteral("rendering offline with TimGM6mb.sf2"));
    QVERIFY(!device->IsAudioAvailable());
}

void SynthDeviceTest::cleanup()
{
    // Offline devices with a soundfont have nothing to warn about.
    QCOMPARE(warnings->Take(), QStringList());
}

void SynthDeviceTest::noteSoundsAtItsPitch_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("note");
    QTest::addColumn<double>("hertz");
    QTest::newRow("C1, lowest question") << 0 << 24 << 32.7032;
    QTest::newRow("A4") << 0 << 69 << 440.0;
    QTest::newRow("middle C") << 0 << 60 << 261.626;
    QTest::newRow("C3") << 0 << 48 << 130.813;
    QTest::newRow("C6") << 0 << 84 << 1046.50;
    QTest::newRow("B7, highest question") << 0 << 107 << 3951.07;
    // Every channel is a piano, the GM drum channel included.
    QTest::newRow("A4 on channel 10") << 9 << 69 << 440.0;
}

void SynthDeviceTest::noteSoundsAtItsPitch()
{
    QFETCH(int, channel);
    QFETCH(int, note);
    QFETCH(double, hertz);
    auto device = NewOfflineDevice();
    device->Send(NoteOn(note, channel));
    const double measured = FundamentalAfterAttack(*device);
    QVERIFY2(std::fabs(measured - hertz) < 0.01 * hertz,
             qPrintable(QStringLiteral("measured %1 Hz, expected %2 Hz").arg(measured).arg(hertz)));
}

void SynthDeviceTest::releasedNoteFadesToSilence_data()
{
    QTest::addColumn<MidiMessage>("release");
    QTest::newRow("note-off") << NoteOff(69);
    QTest::newRow("note-on with velocity 0") << MidiMessage(0x90, 0, 69, 0);
}

void SynthDeviceTest::releasedNoteFadesToSilence()
{
    QFETCH(MidiMessage, release);
    auto device = NewOfflineDevice();
    device->Send(NoteOn(69));
    QVERIFY(Peak(RenderSeconds(*device, 0.5), 0, SIZE_MAX) > kAudible);
    device->Send(release);
    const std::vector<float> tail = RenderSeconds(*device, 3.0);
    QVERIFY(Peak(tail, 0, tail.size() / 100) > kAudible); // the release is not a cut
    QVERIFY(Peak(tail, tail.size() - tail.size() / 30, tail.size()) < kSilence);
}

void SynthDeviceTest::resetSilencesAtOnceAndRestoresVolume()
{
    auto device = NewOfflineDevice();
    device->Send(NoteOn(60));
    QVERIFY(Peak(RenderSeconds(*device, 0.3), 0, SIZE_MAX) > kAudible);
    device->Reset();
    RenderSeconds(*device, 0.05);
    QVERIFY(Peak(RenderSeconds(*device, 0.2), 0, SIZE_MAX) < kSilence);

    // Volume 0 silences a sounding note; the reset brings full volume back.
    device->Send(NoteOn(64));
    RenderSeconds(*device, 0.1);
    device->Send(Control(7, 0));
    RenderSeconds(*device, 0.05);
    QVERIFY(Peak(RenderSeconds(*device, 0.2), 0, SIZE_MAX) < kSilence);
    device->Send(NoteOn(67));
    QVERIFY(Peak(RenderSeconds(*device, 0.2), 0, SIZE_MAX) < kSilence);
    device->Reset();
    device->Send(NoteOn(67));
    QVERIFY(Peak(RenderSeconds(*device, 0.2), 0, SIZE_MAX) > kAudible);
}

void SynthDeviceTest::programChangeChangesTheInstrument_data()
{
    QTest::addColumn<int>("channel");
    QTest::newRow("channel 1") << 0;
    // Not a drum channel here: a program change picks a melodic instrument.
    QTest::newRow("channel 10") << 9;
}

void SynthDeviceTest::programChangeChangesTheInstrument()
{
    QFETCH(int, channel);
    const auto ch = static_cast<std::uint8_t>(channel);
    auto piano = NewOfflineDevice();
    piano->Send(NoteOn(69, channel));
    const std::vector<float> pianoSound = RenderSeconds(*piano, 0.4);

    auto flute = NewOfflineDevice();
    flute->Send(Bytes({static_cast<std::uint8_t>(0xC0 | ch), 73}));
    flute->Send(NoteOn(69, channel));
    const std::vector<float> fluteSound = RenderSeconds(*flute, 0.4);

    double difference = 0.0;
    double energy = 0.0;
    for (std::size_t i = 0; i < pianoSound.size(); ++i) {
        difference += std::pow(double(pianoSound[i]) - fluteSound[i], 2);
        energy += std::pow(double(pianoSound[i]), 2);
    }
    QVERIFY(difference > 0.1 * energy);
    const double measured = FundamentalAfterAttack(*flute);
    QVERIFY2(std::fabs(measured - 440.0) < 4.4, qPrintable(QString::number(measured)));
}

void SynthDeviceTest::malformedNoteOnsMakeNoSound_data()
{
    QTest::addColumn<MidiMessage>("message");
    QTest::newRow("empty record") << MidiMessage();
    QTest::newRow("running status, no status byte") << Bytes({0x45, 0x60, 0x60});
    QTest::newRow("status only") << Bytes({0x90});
    QTest::newRow("velocity missing") << Bytes({0x90, 0x45});
    QTest::newRow("note is a status byte") << Bytes({0x90, 0xC5, 0x60});
    QTest::newRow("velocity is a status byte") << Bytes({0x90, 0x45, 0xE0});
    QTest::newRow("system exclusive") << Bytes({0xF0, 0x45, 0x60, 0x10, 0xF7});
}

void SynthDeviceTest::malformedNoteOnsMakeNoSound()
{
    QFETCH(MidiMessage, message);
    auto device = NewOfflineDevice();
    device->Send(message);
    QVERIFY(Peak(RenderSeconds(*device, 0.3), 0, SIZE_MAX) < kSilence);
    device->Send(NoteOn(69));
    QVERIFY(Peak(RenderSeconds(*device, 0.3), 0, SIZE_MAX) > kAudible);
}

void SynthDeviceTest::systemAndTruncatedMessagesLeaveANoteSounding()
{
    auto device = NewOfflineDevice();
    device->Send(NoteOn(69));
    RenderSeconds(*device, 0.1);
    const MidiMessage ignored[] = {
        Bytes({0xFF}),             // system reset
        Bytes({0xF8}),             // clock
        Bytes({0xF0, 0x7E, 0x7F}), // system exclusive, cut to three bytes
        Bytes({0xB0, 120}),        // all sound off without its value
        Bytes({0xB0, 7}),          // volume without its value
        Bytes({0xB0, 7, 0x80}),    // volume with a status byte for a value
        Bytes({0x80, 69}),         // note-off without its velocity
        Bytes({0xC0}),             // program change without a program
    };
    for (const MidiMessage &message : ignored)
        device->Send(message);
    const std::vector<float> after = RenderSeconds(*device, 0.2);
    QVERIFY(Peak(after, after.size() / 2, after.size()) > kAudible);
    QVERIFY(std::fabs(FundamentalAfterAttack(*device) - 440.0) < 4.4);
}

void SynthDeviceTest::gainIsClampedAndScalesTheOutput()
{
    auto device = NewOfflineDevice();
    QCOMPARE(device->GetGain(), MidiOutSynthDevice::kDefaultGain);
    device->SetGain(1.5);
    QCOMPARE(device->GetGain(), 1.0);
    device->SetGain(-0.2);
    QCOMPARE(device->GetGain(), 0.0);
    device->SetGain(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(device->GetGain(), 0.0);

    device->Send(NoteOn(60));
    QVERIFY(Peak(RenderSeconds(*device, 0.3), 0, SIZE_MAX) < kSilence);

    auto louder = NewOfflineDevice();
    auto quieter = NewOfflineDevice();
    louder->SetGain(0.5);
    quieter->SetGain(0.25);
    louder->Send(NoteOn(60));
    quieter->Send(NoteOn(60));
    const double ratio = Peak(RenderSeconds(*quieter, 0.3), 0, SIZE_MAX) / Peak(RenderSeconds(*louder, 0.3), 0, SIZE_MAX);
    QVERIFY2(ratio > 0.45 && ratio < 0.55, qPrintable(QString::number(ratio)));
}

void SynthDeviceTest::missingSoundFontLeavesASilentUsableDevice()
{
    const QStringList missing {QStringLiteral("/nonexistent/a.sf2"), QStringLiteral("/nonexistent/b.sf2")};
    const QString problem = QStringLiteral(
        "no General MIDI soundfont found (looked for /nonexistent/a.sf2, /nonexistent/b.sf2); notes will be silent");

    for (auto output : {MidiOutSynthDevice::Output::Offline, MidiOutSynthDevice::Output::Audio}) {
        MidiOutSynthDevice device(output, missing);
        QCOMPARE(warnings->Take(), QStringList {QStringLiteral("Orvelle: ") + problem});
        QVERIFY(!device.HasSoundFont());
        QVERIFY(device.GetSoundFontPath().isEmpty());
        QVERIFY(!device.IsAudioAvailable()); // no output is opened for nothing to play
        QCOMPARE(device.GetStatusText(), problem);

        device.Send(NoteOn(69));
        device.Send(Bytes({0xF0, 0x7E}));
        device.Reset();
        device.Open();
        device.SetGain(0.8);
        QVERIFY(Peak(RenderSeconds(device, 0.2), 0, SIZE_MAX) == 0.0f);
        QCOMPARE(warnings->Take(), QStringList()); // said once, at construction
    }
}

void SynthDeviceTest::unloadableSoundFontIsSkipped()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString broken = dir.filePath(QStringLiteral("broken.sf2"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF\x10\x00\x00\x00sfbkLIST this is no soundfont");
    file.close();
    const QString good = MidiOutSynthDevice::DefaultSoundFontPaths().first();

    MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline, {dir.path(), broken, good});
    QCOMPARE(device.GetSoundFontPath(), good);
    device.Send(NoteOn(69));
    QVERIFY(Peak(RenderSeconds(device, 0.3), 0, SIZE_MAX) > kAudible);
}

// The noise that masks the last note: it must not stop after its two-second
// loop, carry a pitch of its own that a key could move, or sound louder than
// the notes it sits between.
void SynthDeviceTest::brownNoiseIsSteadyKeylessAndSixDecibelsBelowANote()
{
    const std::vector<float> tone = PureToneBankProgram(0, 69, 1.0);
    const std::vector<float> noise = PureToneBankProgram(Core::kBrownNoiseProgram, 60, 5.0);
    const std::vector<float> otherKey = PureToneBankProgram(Core::kBrownNoiseProgram, 84, 5.0);

    const double toneRms = Rms(tone, 0, tone.size());
    const double noiseRms = Rms(noise, 0, noise.size());
    const double decibels = 20.0 * std::log10(noiseRms / toneRms);
    qInfo("noise: %.2f dB beside the sine", decibels);
    QVERIFY2(decibels > -7.5 && decibels < -4.5, qPrintable(QString::number(decibels)));

    const std::size_t second = static_cast<std::size_t>(MidiOutSynthDevice::kSampleRate);
    for (std::size_t from = 0; from + second / 2 <= noise.size(); from += second / 2) {
        const double part = Rms(noise, from, from + second / 2);
        QVERIFY2(std::fabs(20.0 * std::log10(part / noiseRms)) < 3.0, qPrintable(QString::number(from)));
    }

    // Brown: the sample-to-sample steps are small beside the level (white
    // noise would give about 1.4).
    std::vector<float> steps(noise.size() - 1);
    for (std::size_t i = 0; i + 1 < noise.size(); ++i)
        steps[i] = noise[i + 1] - noise[i];
    QVERIFY(Rms(steps, 0, steps.size()) < 0.2 * noiseRms);

    float difference = 0.0f;
    for (std::size_t i = 0; i < noise.size(); ++i)
        difference = std::max(difference, std::fabs(noise[i] - otherKey[i]));
    QVERIFY2(difference < kSilence, qPrintable(QString::number(difference)));
}

QTEST_GUILESS_MAIN(SynthDeviceTest)
#include "tst_synth_device.moc"
