#pragma once

#include <QByteArray>

namespace Core {

// A SoundFont 2 file with one preset (program 0 of kPureToneBank): a sine wave, looped, with a soft
// attack and release, sampled so that its pitch is exact at every key.
QByteArray PureToneSoundFont();

} // namespace Core
