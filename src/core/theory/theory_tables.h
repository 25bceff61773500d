#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Fixed music-theory tables, built once at start-up and never changed.
namespace Theory {

struct NoteName {
    QString sharp;
    QString flat;
};

struct Tempo {
    std::int32_t lowBpm;
    std::int32_t midBpm;
    std::int32_t highBpm;
    QString name;
    // A line break, then the conventional range; "&&" stands for one ampersand.
    QString description;
    QString pixmap;
};

constexpr int kChordTypeCount = 18;
constexpr int kIntervalCount = 13;
constexpr int kNoteNameCount = 12;
constexpr int kScaleCount = 10;
constexpr int kTempoCount = 9;
constexpr int kBlackKeyCount = 36;
constexpr int kGuitarStringCount = 6;
constexpr int kPitchClassCount = 12;

const std::array<QString, kChordTypeCount> &ChordTypeNames();
// Indexed by the interval's size in semitones, 0..12.
const std::array<QString, kIntervalCount> &IntervalNames();
// Indexed by pitch class counted from C.
const std::array<NoteName, kNoteNameCount> &NoteNames();
const std::array<QString, kScaleCount> &ScaleNames();
const std::array<Tempo, kTempoCount> &Tempos();
// Positions of the black keys of an 88-key keyboard, its lowest A being 0.
const std::array<std::int32_t, kBlackKeyCount> &BlackKeys();
// Open strings of a six-string guitar in standard tuning, highest first, in
// the same key positions.
const std::array<std::int32_t, kGuitarStringCount> &GuitarStrings();
const std::array<std::int32_t, kPitchClassCount> &PitchClasses();

} // namespace Theory
