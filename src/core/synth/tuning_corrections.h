#pragma once

#include <QString>

namespace Core {

// The file name of the soundfont the corrections were measured on.
QString DefaultSoundFontName();

// Cents to add to a key's pitch so that it sounds in equal temperament on
// that soundfont, for a program (kPureTone included) and the key whose pitch
// sounds (sample zones follow it); 0 where nothing was measured.
double TuningCorrectionCents(int program, int soundingKey);

} // namespace Core
