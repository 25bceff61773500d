#pragma once

#include <QString>

// How notes are named for the learner: the letters or syllables of the
// pitch classes and the numbering of the octaves. Musicians differ here by
// language: German names B "H" and B flat "B"; French, Italian, Spanish and
// Portuguese musicians name notes Do Re Mi (fixed do), each in their own
// spelling; in French usage middle C is "do 3" rather than C4.
namespace Theory {

enum class NoteLetters {
    English,  // C D E F G A B
    German,   // C D E F G A H, and B for B flat
    FixedDo,  // Do Re Mi Fa Sol La Si, spelt as the language spells them
};

enum class SolfegeSpelling { French, Italian, Spanish, Portuguese };

enum class OctaveNumbering {
    Scientific,     // middle C (MIDI 60) is C4
    FrancoBelgian,  // middle C is do 3: one lower
};

enum class Accidentals {
    MusicSigns,  // C♯, for the screen
    Ascii,       // C#, for files read by other programs
};

struct NoteNaming {
    NoteLetters letters = NoteLetters::English;
    SolfegeSpelling spelling = SolfegeSpelling::Italian;
    OctaveNumbering octaves = OctaveNumbering::Scientific;

    bool operator==(const NoteNaming &o) const
    {
        return letters == o.letters && spelling == o.spelling && octaves == o.octaves;
    }
    bool operator!=(const NoteNaming &o) const { return !(*this == o); }
};

// The name of pitch class 0..11 (0 = C), black keys as sharps, except the
// German B.
QString PitchClassName(int pitchClass, const NoteNaming &naming, Accidentals signs = Accidentals::MusicSigns);
// The name of a MIDI note with its octave: "C4", "H3", "Sol♯4", "do 3".
// Empty outside 0..127.
QString NoteName(int midiNote, const NoteNaming &naming, Accidentals signs = Accidentals::MusicSigns);

// The naming a musician of `language` grew up with; `language` is a locale
// name such as "de", "fr_BE" or "pt_BR.UTF-8". Unknown languages get the
// English letters with middle C = C4.
NoteNaming DefaultNoteNaming(const QString &language);

// The stored form of the learner's choice: "" follows the language, otherwise
// "<letters>/<octaves>" with letters one of "letters", "german", "fixed-do"
// and octaves "c4" or "do3" (for example "german/c4").
QString NoteNamingKey(const NoteNaming &naming);
// The naming for a stored choice; `language` fills the spelling of fixed do
// and stands in for an empty or unreadable choice.
NoteNaming NoteNamingFromKey(const QString &key, const QString &language);

// The naming the learner reads everywhere a note is named. Set at start and
// when the learner changes it; safe to read from any thread.
NoteNaming CurrentNoteNaming();
void SetCurrentNoteNaming(const NoteNaming &naming);

} // namespace Theory
