#include "pitch_classes.h"

#include <algorithm>
#include <cstdlib>

namespace Course {

int classOfNote(int note)
{
    if (note < 0 || note > 127)
        return -1;
    const int semitones = note % 12;
    const auto it = std::find(kSemitonesAboveC.begin(), kSemitonesAboveC.end(), semitones);
    return static_cast<int>(it - kSemitonesAboveC.begin());
}

int octaveOfNote(int note)
{
    const int noteIndex = classOfNote(note);
    if (noteIndex < 0)
        return -1;
    const int above = note - (kLowestQuestionNote + kSemitonesAboveC[noteIndex]);
    const int octave = above / 12;
    return above >= 0 && octave < kOctaveCount ? octave : -1;
}

int noteOf(int noteIndex, int octave)
{
    return kLowestQuestionNote + kSemitonesAboveC[noteIndex] + 12 * octave;
}

int classDistance(int noteIndexA, int noteIndexB)
{
    const int d = std::abs(kSemitonesAboveC[noteIndexA] - kSemitonesAboveC[noteIndexB]);
    return std::min(d, 12 - d);
}

} // namespace Course
