#include "builtin_output.h"

#include <synth/midi_device_synth.h>

Core::SoundController::BuiltInOutputFactory builtInOutputFactory()
{
    return [] { return std::make_shared<Core::MidiOutSynthDevice>(); };
}
