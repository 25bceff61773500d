#pragma once

#include <sound_controller.h>

// What goes first in the output list: the built-in synthesiser, or nothing
// in a build without it.
Core::SoundController::BuiltInOutputFactory builtInOutputFactory();

// Tunes the built-in synthesiser, where the controller has one, to A4 = hertz.
void setBuiltInReferencePitch(Core::SoundController &controller, double hertz);
