#pragma once

#include <array>

// Pitch classes as the course counts them: by note index, the position in
// the order in which the courses introduce them (C D E F G A B C# D# F# G#
// A#), so the unlocked classes are always the first k.
namespace Course {

constexpr int kClassCount = 12;
constexpr int kOctaveCount = 7;
constexpr int kLowestQuestionNote = 24;
constexpr int kHighestQuestionNote = 107;

// Semitones above C of each note index; the lowest question of note index i
// is kLowestQuestionNote + kSemitonesAboveC[i].
constexpr std::array<int, kClassCount> kSemitonesAboveC = {0, 2, 4, 5, 7, 9, 11, 1, 3, 6, 8, 10};

// Note index of any MIDI note number (0..127), or -1 outside it.
int classOfNote(int note);
// Octave of a question note: 0 for the first question octave of its class
// (the note index's lowest question), 6 for the last; -1 outside them.
int octaveOfNote(int note);
// The question of note index `noteIndex` in octave 0..6.
int noteOf(int noteIndex, int octave);
// Semitones between two classes ignoring octaves: 0..6.
int classDistance(int noteIndexA, int noteIndexB);

} // namespace Course
