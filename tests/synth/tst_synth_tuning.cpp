// The built-in synthesiser is in tune: every key of the keyboard, rendered
// offline with the program's own settings, sounds within ±5 cents of equal
// temperament, at concert pitch and at other reference pitches.

#include "pitch.h"

#include <synth/midi_device_synth.h>
#include <theory/instruments.h>

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using Core::MidiMessage;
using Core::MidiOutSynthDevice;
using SynthTest::Cents;
using SynthTest::StrongestPartialNear;

namespace {

constexpr int kLowestKey = 21;  // A0
constexpr int kHighestKey = 108; // C8
constexpr int kKeyA1 = 33;
constexpr double kToleranceCents = 5.0;
constexpr double kSearchCents = 40.0;

double EqualTemperament(int key, double referencePitch)
{
    return referencePitch * std::exp2((key - 69) / 12.0);
}

std::vector<float> Render(MidiOutSynthDevice &device, double seconds)
{
    const auto frames = static_cast<std::size_t>(seconds * device.GetSampleRate());
    std::vector<float> left(frames), right(frames);
    device.Render(left.data(), right.data(), static_cast<int>(frames));
    return left;
}

// Cents between the key's sounding pitch and equal temperament. Below A1 a
// small soundfont's fundamental may be all but absent, so the strongest of
// the first three harmonics judges it there.
double CentsOffEqualTemperament(MidiOutSynthDevice &device, int key, double referencePitch)
{
    device.Send(MidiMessage(0x90, 0, static_cast<std::uint8_t>(key), 96));
    Render(device, 0.15); // past the attack
    const std::vector<float> held = Render(device, 0.5);
    device.Reset();
    Render(device, 0.05);

    const double expected = EqualTemperament(key, referencePitch);
    const int harmonics = key < kKeyA1 ? 3 : 1;
    SynthTest::Partial strongest;
    int harmonic = 1;
    for (int h = 1; h <= harmonics; ++h) {
        const auto partial =
            StrongestPartialNear(held.data(), held.size(), device.GetSampleRate(), h * expected, kSearchCents);
        if (partial.magnitude > strongest.magnitude) {
            strongest = partial;
            harmonic = h;
        }
    }
    if (strongest.magnitude <= 0.0)
        return NAN;
    return Cents(strongest.hertz / harmonic, expected);
}

// Every key of the keyboard; the failures name the keys and their errors.
// The soundfont's piano has no sample above C8, and FluidSynth picks samples
// by the pitch that sounds: above A4 = 452 Hz the top C has none.
QStringList KeysOutOfTune(MidiOutSynthDevice &device, double referencePitch, double *worst)
{
    QStringList outOfTune;
    *worst = 0.0;
    const int highest = referencePitch < 452.0 ? kHighestKey : kHighestKey - 1;
    for (int key = kLowestKey; key <= highest; ++key) {
        const double cents = CentsOffEqualTemperament(device, key, referencePitch);
        if (!(std::fabs(cents) <= kToleranceCents))
            outOfTune << QStringLiteral("key %1: %2 cents").arg(key).arg(cents, 0, 'f', 2);
        if (std::fabs(cents) > std::fabs(*worst) || std::isnan(cents))
            *worst = cents;
    }
    return outOfTune;
}

void SelectByMessages(MidiOutSynthDevice &device, int program)
{
    device.Send(MidiMessage(0xB0, 0, 0, Core::BankOf(program)));
    const std::uint8_t programChange[] = {0xC0, Core::ProgramNumberOf(program)};
    device.Send(MidiMessage(programChange, sizeof programChange));
}

// The magnitudes of the first eight harmonics of A3 (a key every offered
// instrument plays), relative to the strongest.
std::vector<double> HarmonicProfile(int program)
{
    MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
    SelectByMessages(device, program);
    device.Send(MidiMessage(0x90, 0, 57, 96));
    Render(device, 0.15);
    const std::vector<float> held = Render(device, 0.5);
    std::vector<double> profile;
    for (int h = 1; h <= 8; ++h)
        profile.push_back(StrongestPartialNear(held.data(), held.size(), device.GetSampleRate(), h * 220.0, 30.0).magnitude);
    const double strongest = *std::max_element(profile.begin(), profile.end());
    for (double &m : profile)
        m = strongest > 0.0 ? m / strongest : 0.0;
    return profile;
}

double ProfileDistance(const std::vector<double> &a, const std::vector<double> &b)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum);
}

} // namespace

class SynthTuningTest : public QObject {
    Q_OBJECT

private slots:
    // The measure itself must be far finer than the tolerance it judges by.
    void theMeasureIsAccurateToATenthOfACent()
    {
        const int rate = MidiOutSynthDevice::kSampleRate;
        for (const double hertz : {27.53, 440.7, 4186.3}) {
            std::vector<float> tone(rate / 2);
            for (std::size_t i = 0; i < tone.size(); ++i)
                tone[i] = static_cast<float>(0.3 * std::sin(2.0 * M_PI * hertz * double(i) / rate + 0.4)
                                             * std::exp(-3.0 * double(i) / rate));
            const auto partial = StrongestPartialNear(tone.data(), tone.size(), rate, hertz * 1.01, kSearchCents);
            QVERIFY2(std::fabs(Cents(partial.hertz, hertz)) < 0.1, qPrintable(QString::number(partial.hertz)));
        }
    }

    void everyKeyIsInTuneAtConcertPitch()
    {
        MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
        QVERIFY2(device.HasSoundFont(), "install timgm6mb-soundfont (tools/install-deps.sh)");
        QCOMPARE(device.GetReferencePitch(), 440.0);
        double worst = 0.0;
        const QStringList outOfTune = KeysOutOfTune(device, 440.0, &worst);
        qInfo("worst key: %.2f cents", worst);
        QVERIFY2(outOfTune.isEmpty(), qPrintable(outOfTune.join(QStringLiteral("; "))));
    }

    void everyKeyFollowsTheReferencePitch_data()
    {
        QTest::addColumn<double>("referencePitch");
        QTest::newRow("baroque, A4 = 415 Hz") << 415.0;
        QTest::newRow("A4 = 466 Hz") << 466.0;
    }

    void everyKeyFollowsTheReferencePitch()
    {
        QFETCH(double, referencePitch);
        MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
        device.SetReferencePitch(referencePitch);
        QCOMPARE(device.GetReferencePitch(), referencePitch);
        double worst = 0.0;
        const QStringList outOfTune = KeysOutOfTune(device, referencePitch, &worst);
        qInfo("worst key: %.2f cents", worst);
        QVERIFY2(outOfTune.isEmpty(), qPrintable(outOfTune.join(QStringLiteral("; "))));
    }

    // Each timbre offered, chosen as the program chooses it (bank select and
    // program change), is in tune across the questions' range and sounds
    // unlike the piano: its harmonics stand in other proportions.
    void everyInstrumentIsInTuneAndHasItsOwnTimbre()
    {
        const std::vector<double> piano = HarmonicProfile(0);
        QStringList outOfTune, likePiano;
        for (const Core::Instrument &instrument : Core::TrainingInstruments()) {
            MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
            SelectByMessages(device, instrument.program);
            for (int key = 24; key <= 107; key += 5) {
                const double cents = CentsOffEqualTemperament(device, key, 440.0);
                if (!(std::fabs(cents) <= kToleranceCents))
                    outOfTune << QStringLiteral("%1 key %2: %3 cents").arg(instrument.name).arg(key).arg(cents);
            }
            if (instrument.program != 0 && ProfileDistance(HarmonicProfile(instrument.program), piano) < 0.2)
                likePiano << QString::fromLatin1(instrument.name);
        }
        QVERIFY2(outOfTune.isEmpty(), qPrintable(outOfTune.join(QStringLiteral("; "))));
        QVERIFY2(likePiano.isEmpty(), qPrintable(likePiano.join(QStringLiteral(", "))));
    }

    void referencePitchIsKeptWithinItsRange()
    {
        MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
        device.SetReferencePitch(300.0);
        QCOMPARE(device.GetReferencePitch(), 415.0);
        device.SetReferencePitch(1000.0);
        QCOMPARE(device.GetReferencePitch(), 466.0);
        device.SetReferencePitch(NAN);
        QCOMPARE(device.GetReferencePitch(), 440.0);
    }
};

QTEST_GUILESS_MAIN(SynthTuningTest)
#include "tst_synth_tuning.moc"
