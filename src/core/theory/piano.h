#pragma once

// The piano's numbers as every part of the program counts them. Notes are
// MIDI note numbers; a key index counts the 88 keys from the lowest A.
namespace Piano {

constexpr int kLowestNote = 21; // A0, key index 0
constexpr int kKeyCount = 88;   // A0 .. C8
constexpr int kHighestNote = kLowestNote + kKeyCount - 1;
constexpr int kMiddleC = 60;    // C4

// Questions ask each pitch class once in each of seven octaves, C1 .. B7.
constexpr int kQuestionOctaves = 7;
constexpr int kLowestQuestion = 24;
constexpr int kHighestQuestion = kLowestQuestion + 12 * kQuestionOctaves - 1;

// A4 in Hz: concert pitch by default, from baroque pitch up to the highest
// orchestral ones.
constexpr double kDefaultReferencePitch = 440.0;
constexpr double kLowestReferencePitch = 415.0;
constexpr double kHighestReferencePitch = 466.0;

constexpr int noteOfKey(int key) { return key + kLowestNote; }
constexpr int keyOfNote(int note) { return note - kLowestNote; }
constexpr bool isKeyNote(int note) { return note >= kLowestNote && note <= kHighestNote; }

} // namespace Piano
