#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace Core {

// A timbre questions can be played in: a General MIDI program, or the pure
// tone (kPureTone), which only the built-in synthesiser has.
struct Instrument {
    int program;
    const char *name; // English; translated for display
};

constexpr int kPureTone = -1;
// The bank of the pure tone in the built-in synthesiser: above every General
// MIDI bank, so program changes on bank 0 never reach it. Its program is 0.
constexpr int kPureToneBank = 100;
// Brown noise, in the same bank: played between an answer and the next
// question so that the last note's pitch cannot guide the next answer.
constexpr int kBrownNoiseProgram = 1;
constexpr int kDefaultProgram = 0; // acoustic grand piano

// The timbres worth training with, in the order they are offered.
const std::vector<Instrument> &TrainingInstruments();
// True for a program that TrainingInstruments lists.
bool IsTrainingInstrument(int program);
// The bank select (controller 0) and program change that choose the program
// on a channel; the pure tone is program 0 of kPureToneBank.
std::uint8_t BankOf(int program);
std::uint8_t ProgramNumberOf(int program);

} // namespace Core
