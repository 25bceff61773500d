#pragma once

// What the benchmarks give the training session in place of the window's
// keyboard, and of sound where none is measured.

#include "session_ports.h"

struct NoKeyboard : KeyMarking {
    void clearKeysState() override {}
    void markKeys(const QList<int> &, const QList<int> &) override {}
    void repaintKeyboard() override {}
};

struct NoSound : NoteOutput {
    void playNote(unsigned, bool) override {}
    void replayNote(unsigned) override {}
    void stopPlayback() override {}
};
