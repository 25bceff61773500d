// The built-in synthesiser used from several threads at once, as the timer
// thread, the thread that stops playback and an audio thread would: no
// crash, no data race, and a device that still works afterwards.

#include "check.h"
#include "pitch.h"

#include <synth/midi_device_synth.h>

#include <atomic>
#include <thread>
#include <vector>

using Core::MidiMessage;
using Core::MidiOutSynthDevice;

namespace {

void SendResetAndRenderTogether()
{
    MidiOutSynthDevice device(MidiOutSynthDevice::Output::Offline);
    SYNTH_CHECK(device.HasSoundFont());
    std::atomic<int> running {2};
    std::atomic<int> blocksRendered {0};
    // Paced by the rendering, as the real threads are by time: a note per
    // block and a reset every third. Unpaced, the senders could outrun the
    // renderer until FluidSynth's event queue overflows and drops events.
    auto waitForBlocks = [&](int count) {
        while (blocksRendered < count)
            std::this_thread::yield();
    };

    std::thread player([&] {
        for (int i = 0; i < 300; ++i) {
            waitForBlocks(i);
            const auto note = static_cast<std::uint8_t>(24 + i % 84);
            device.Send(MidiMessage(0x90, 0, note, 96));
            device.Send(MidiMessage(0xE0, 0, 0x00, static_cast<std::uint8_t>(i % 128)));
            device.Send(MidiMessage(0x80, 0, note, 96));
        }
        --running;
    });
    std::thread stopper([&] {
        for (int i = 0; i < 100; ++i) {
            waitForBlocks(3 * i);
            device.Reset();
            device.SetGain((i % 11) / 10.0);
            device.GetStatusText();
        }
        --running;
    });
    std::vector<float> left(128), right(128);
    while (running > 0) {
        device.Render(left.data(), right.data(), 128);
        ++blocksRendered;
    }
    player.join();
    stopper.join();

    // Whatever the interleaving, a reset leaves silence and the next note plays.
    device.Reset();
    device.SetGain(MidiOutSynthDevice::kDefaultGain);
    left.assign(4800, 0.0f);
    right.assign(4800, 0.0f);
    device.Render(left.data(), right.data(), 4800);
    SYNTH_CHECK(SynthTest::Peak(left, 0, left.size()) < 1e-4f);
    device.Send(MidiMessage(0x90, 0, 69, 96));
    device.Render(left.data(), right.data(), 4800);
    SYNTH_CHECK(SynthTest::Peak(left, 0, left.size()) > 1e-2f);
}

} // namespace

int main()
{
    SynthTest::RunCase("sendResetAndRenderTogether", SendResetAndRenderTogether);
    return SynthTest::FailureCount() == 0 ? 0 : 1;
}
