#pragma once

#include <cstdint>

// What the training session needs of sound output. stopPlayback may be called
// from the MIDI input thread as well as from the GUI thread.
class NoteOutput {
public:
    virtual ~NoteOutput() = default;
    // Plays a MIDI note number for 5 s, or for 2 s as the echo of a clicked key.
    virtual void playNote(unsigned note, bool echo) = 0;
    // Plays the question's note again, in the question's timbre.
    virtual void replayNote(unsigned note) { playNote(note, false); }
    virtual void stopPlayback() = 0;
    // When a question played at `playedMs` (Core::Timer::NowMs) became
    // audible: on the built-in synthesiser its note-on there plus the
    // output's latency, -1 while the note-on has not reached it; elsewhere
    // the moment it was played. Safe on any thread.
    virtual std::int64_t audibleSinceMs(std::int64_t playedMs) const { return playedMs; }
    // Brown noise for `seconds` through the built-in synthesiser, between an
    // answer and the next question; other outputs play nothing (the pause is
    // the caller's). Stops what was playing.
    virtual void playMaskingNoise(double /*seconds*/) {}
};
