#include "builtin_output.h"

#include <synth/midi_device_synth.h>


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
