#include "instruments.h"

#include <QtGlobal>

#include <algorithm>

namespace Core {

const std::vector<Instrument> &TrainingInstruments()
{
    // General MIDI program numbers, counted from 0; the names are translated
    // where they are shown.
    static const std::vector<Instrument> instruments {
        {0, QT_TRANSLATE_NOOP("Instruments", "Piano")},
        {4, QT_TRANSLATE_NOOP("Instruments", "Electric piano")},
        {6, QT_TRANSLATE_NOOP("Instruments", "Harpsichord")},
        {19, QT_TRANSLATE_NOOP("Instruments", "Organ")},
        {24, QT_TRANSLATE_NOOP("Instruments", "Guitar")},
        {40, QT_TRANSLATE_NOOP("Instruments", "Violin")},
        {73, QT_TRANSLATE_NOOP("Instruments", "Flute")},
        {71, QT_TRANSLATE_NOOP("Instruments", "Clarinet")},
        {56, QT_TRANSLATE_NOOP("Instruments", "Trumpet")},
        {52, QT_TRANSLATE_NOOP("Instruments", "Choir")},
        {11, QT_TRANSLATE_NOOP("Instruments", "Vibraphone")},
        {12, QT_TRANSLATE_NOOP("Instruments", "Marimba")},
        {kPureTone, QT_TRANSLATE_NOOP("Instruments", "Pure tone")},
    };
    return instruments;
}

bool IsTrainingInstrument(int program)
{
    const auto &all = TrainingInstruments();
    return std::any_of(all.begin(), all.end(), [program](const Instrument &i) { return i.program == program; });
}

std::uint8_t BankOf(int program)
{
    return program == kPureTone ? kPureToneBank : 0;
}

std::uint8_t ProgramNumberOf(int program)
{
    return program >= 0 && program < 128 ? static_cast<std::uint8_t>(program) : 0;
}

} // namespace Core
