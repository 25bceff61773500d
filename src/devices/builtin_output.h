#pragma once

#include <sound_controller.h>

// What goes first in the output list: the built-in synthesiser, or nothing
// in a build without it.
Core::SoundController::BuiltInOutputFactory builtInOutputFactory();

// Tunes the built-in synthesiser, where the controller has one, to A4 = hertz.
void setBuiltInReferencePitch(Core::SoundController &controller, double hertz);

// When a note played at `playedMs` became audible on `output`, if that is the
// built-in synthesiser: its last note-on, when at or after playedMs, plus its
// output latency; -1 when the note-on has not reached it. Other outputs:
// playedMs. Takes no lock.
std::int64_t builtInAudibleSinceMs(const std::shared_ptr<Core::MidiOutDevice> &output, std::int64_t playedMs);
