#pragma once

#include <QtGlobal>

#include <vector>

namespace PitchTest {

enum class Timbre { Piano = 0, PureTone = 1 };

// C3..B5: the 36 keys every timbre plays once.
constexpr int kLowestNote = 48;
constexpr int kHighestNote = 83;
constexpr int kNotesPerBlock = kHighestNote - kLowestNote + 1;
constexpr int kBlocks = 2;
constexpr int kScoredTrials = kNotesPerBlock * kBlocks;
constexpr int kPracticeTrials = 4;

struct Trial {
    int note = kLowestNote;
    Timbre timbre = Timbre::Piano;
    int levelDecibels = -1; // one of kToneLevels
};

// Everything a test plays, in order, derived from its seed alone: the same
// seed gives the same test, so a stored seed reproduces it.
struct TestPlan {
    quint64 seed = 0;
    std::vector<Trial> practice; // kPracticeTrials, both timbres
    std::vector<Trial> scored;   // kScoredTrials; block b is [b*36, b*36+36)
};

TestPlan GeneratePlan(quint64 seed);

// The order's rules between two successive tones: more than an octave
// apart, never a semitone apart ignoring octaves; and never a pitch class
// three times in a row (beforePrevious < 0 when there is none).
bool MayFollow(int beforePrevious, int previous, int next);

int BlockOfTrial(int scoredIndex);

// A fresh seed for a new test.
quint64 NewSeed();

} // namespace PitchTest
