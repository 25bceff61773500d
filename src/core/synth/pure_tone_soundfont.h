#pragma once

#include <QByteArray>

namespace Core {

// A SoundFont 2 file with two presets of kPureToneBank. Program 0: a sine wave, looped, with a soft
// attack and release, sampled so that its pitch is exact at every key. Program kBrownNoiseProgram:
// brown noise, the same on every key, 6 dB below the sine at the same velocity, which masks the
// pitch of the last note heard.
QByteArray PureToneSoundFont();

} // namespace Core
