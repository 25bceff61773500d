// Measures how far each key of each training instrument sounds from equal
// temperament (A4 = 440 Hz) on the built-in synthesiser with its present
// per-key corrections, and prints the corrections that remove what is left,
// as the table of src/core/synth/tuning_corrections.cpp. Run it again when
// the default soundfont changes (with --from-scratch, ignoring the present
// corrections), and once more to settle the noisy ensembles:
//   build/bench/synth/measure_tuning > /tmp/table.txt

#include "pitch.h"

#include <synth/midi_device_synth.h>
#include <synth/tuning_corrections.h>
#include <theory/instruments.h>

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <vector>

using Core::MidiMessage;
using Core::MidiOutSynthDevice;

namespace {

std::vector<float> Render(MidiOutSynthDevice &device, double seconds)
{
    const auto frames = static_cast<std::size_t>(seconds * device.GetSampleRate());
    std::vector<float> left(frames), right(frames);
    device.Render(left.data(), right.data(), static_cast<int>(frames));
    return left;
}

// Cents off equal temperament; below A1 judged by the strongest of the first
// three harmonics, as the tuning test does.
double CentsOff(MidiOutSynthDevice &device, int key)
{
    device.Send(MidiMessage(0x90, 0, static_cast<std::uint8_t>(key), 96));
    Render(device, 0.15);
    const std::vector<float> held = Render(device, 0.5);
    device.Reset();
    Render(device, 0.05);
    const double expected = 440.0 * std::exp2((key - 69) / 12.0);
    SynthTest::Partial strongest;
    int harmonic = 1;
    for (int h = 1; h <= (key < 33 ? 3 : 1); ++h) {
        const auto p = SynthTest::StrongestPartialNear(held.data(), held.size(), device.GetSampleRate(),
                                                       h * expected, 40.0);
        if (p.magnitude > strongest.magnitude)
            strongest = p, harmonic = h;
    }
    return strongest.magnitude > 0.0 ? SynthTest::Cents(strongest.hertz / harmonic, expected) : 0.0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool fromScratch = app.arguments().contains(QStringLiteral("--from-scratch"));
    for (const Core::Instrument &instrument : Core::TrainingInstruments()) {
        MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
        device.SetTuningCorrections(!fromScratch);
        device.SelectInstrument(0, instrument.program);
        std::printf("    // %s\n    {%d, {", instrument.name, instrument.program);
        double worst = 0.0;
        for (int key = 21; key <= 108; ++key) {
            const double cents = CentsOff(device, key);
            worst = std::fabs(cents) > std::fabs(worst) ? cents : worst;
            const double present = fromScratch ? 0.0 : Core::TuningCorrectionCents(instrument.program, key);
            std::printf("%s%d", key == 21 ? "" : ",", static_cast<int>(std::lround(10.0 * (present - cents))));
        }
        std::printf("}}, // worst %.2f cents\n", worst);
    }
    return 0;
}
