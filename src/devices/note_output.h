#pragma once

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
};
