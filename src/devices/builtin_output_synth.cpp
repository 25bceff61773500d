#include "builtin_output.h"

#include <synth/midi_device_synth.h>

#include <cmath>

Core::SoundController::BuiltInOutputFactory builtInOutputFactory()
{
    return [] { return std::make_shared<Core::MidiOutSynthDevice>(); };
}

void setBuiltInReferencePitch(Core::SoundController &controller, double hertz)
{
    if (controller.GetOutDeviceCount() == 0)
        return;
    if (auto synth = std::dynamic_pointer_cast<Core::MidiOutSynthDevice>(controller.GetOutDevice(0)))
        synth->SetReferencePitch(hertz);
}

std::int64_t builtInAudibleSinceMs(const std::shared_ptr<Core::MidiOutDevice> &output, std::int64_t playedMs)
{
    const auto synth = std::dynamic_pointer_cast<Core::MidiOutSynthDevice>(output);
    if (!synth || playedMs < 0)
        return playedMs;
    const std::int64_t noteOn = synth->GetLastNoteOnMs();
    if (noteOn < playedMs)
        return -1;
    return noteOn + static_cast<std::int64_t>(std::llround(synth->GetOutputLatencySeconds() * 1000.0));
}
