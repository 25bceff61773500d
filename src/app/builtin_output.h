#pragma once

#include <sound_controller.h>

// What goes first in the output list: the built-in synthesiser, or nothing
// in a build without it.
Core::SoundController::BuiltInOutputFactory builtInOutputFactory();
