#include "instruments.h"

#include <algorithm>

namespace Core {

const std::vector<Instrument> &TrainingInstruments()
{
    // General MIDI program numbers, counted from 0.
    static const std::vector<Instrument> instruments {
        {0, "Piano"},
        {4, "Electric piano"},
        {6, "Harpsichord"},
        {19, "Organ"},
        {24, "Guitar"},
        {40, "Violin"},
        {73, "Flute"},
        {71, "Clarinet"},
        {56, "Trumpet"},
        {52, "Choir"},
        {11, "Vibraphone"},
        {12, "Marimba"},
        {kPureTone, "Pure tone"},
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
