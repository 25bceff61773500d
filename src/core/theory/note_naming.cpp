#include "note_naming.h"

#include <QStringList>

#include <atomic>

namespace Theory {
namespace {

constexpr int kPitchClasses = 12;
const QChar kSharp(0x266F);

// The natural note below (or at) each pitch class, as an index 0..6 into C D
// E F G A B, and whether the class is that natural raised by a semitone.
struct Step {
    int natural;
    bool sharp;
};
constexpr Step kSteps[kPitchClasses] = {{0, false}, {0, true},  {1, false}, {1, true},
                                        {2, false}, {3, false}, {3, true},  {4, false},
                                        {4, true},  {5, false}, {5, true},  {6, false}};

const char *const kEnglish[7] = {"C", "D", "E", "F", "G", "A", "B"};
const char *const kGerman[7] = {"C", "D", "E", "F", "G", "A", "H"};

// Fixed do in each language's own spelling (UTF-8).
const char *const kFrench[7] = {"Do", "R\u00e9", "Mi", "Fa", "Sol", "La", "Si"};
const char *const kItalian[7] = {"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"};
const char *const kSpanish[7] = {"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"};
const char *const kPortuguese[7] = {"D\u00f3", "R\u00e9", "Mi", "F\u00e1", "Sol", "L\u00e1", "Si"};

const char *const *solfege(SolfegeSpelling spelling)
{
    switch (spelling) {
    case SolfegeSpelling::French:
        return kFrench;
    case SolfegeSpelling::Spanish:
        return kSpanish;
    case SolfegeSpelling::Portuguese:
        return kPortuguese;
    case SolfegeSpelling::Italian:
        break;
    }
    return kItalian;
}

const char *const *naturals(const NoteNaming &naming)
{
    switch (naming.letters) {
    case NoteLetters::German:
        return kGerman;
    case NoteLetters::FixedDo:
        return solfege(naming.spelling);
    case NoteLetters::English:
        break;
    }
    return kEnglish;
}

// "de_DE.UTF-8@euro" -> "de"
QString languageOf(const QString &locale)
{
    return locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('-'), 0, 0).toLower();
}

constexpr int packed(const NoteNaming &n)
{
    return static_cast<int>(n.letters) | static_cast<int>(n.spelling) << 4 | static_cast<int>(n.octaves) << 8;
}

// The current naming packed into one number, so that a reader on another
// thread never sees half of a change.
std::atomic<int> currentNaming{packed(NoteNaming())};

NoteNaming unpacked(int bits)
{
    NoteNaming n;
    n.letters = static_cast<NoteLetters>(bits & 0xf);
    n.spelling = static_cast<SolfegeSpelling>(bits >> 4 & 0xf);
    n.octaves = static_cast<OctaveNumbering>(bits >> 8 & 0xf);
    return n;
}

const char *const kLetterKeys[] = {"letters", "german", "fixed-do"};
const char *const kOctaveKeys[] = {"c4", "do3"};

} // namespace

QString PitchClassName(int pitchClass, const NoteNaming &naming, Accidentals signs)
{
    const int pc = ((pitchClass % kPitchClasses) + kPitchClasses) % kPitchClasses;
    if (naming.letters == NoteLetters::German && pc == 10)
        return QStringLiteral("B");  // B flat; "A♯" would read wrong to a German musician
    const Step step = kSteps[pc];
    QString name = QString::fromUtf8(naturals(naming)[step.natural]);
    if (step.sharp)
        name += signs == Accidentals::Ascii ? QChar(QLatin1Char('#')) : kSharp;
    return name;
}

QString NoteName(int midiNote, const NoteNaming &naming, Accidentals signs)
{
    if (midiNote < 0 || midiNote > 127)
        return QString();
    QString name = PitchClassName(midiNote % kPitchClasses, naming, signs);
    const int scientificOctave = midiNote / kPitchClasses - 1;
    if (naming.octaves == OctaveNumbering::Scientific)
        return name + QString::number(scientificOctave);
    // French usage writes the syllable in lower case and sets the octave apart:
    // "do 3", "la -1".
    if (naming.letters == NoteLetters::FixedDo)
        name = name.toLower();
    return name + QLatin1Char(' ') + QString::number(scientificOctave - 1);
}

NoteNaming CurrentNoteNaming()
{
    return unpacked(currentNaming.load(std::memory_order_relaxed));
}

void SetCurrentNoteNaming(const NoteNaming &naming)
{
    currentNaming.store(packed(naming), std::memory_order_relaxed);
}

NoteNaming DefaultNoteNaming(const QString &language)
{
    const QString lang = languageOf(language);
    NoteNaming naming;
    if (lang == QLatin1String("de")) {
        naming.letters = NoteLetters::German;
    } else if (lang == QLatin1String("fr")) {
        naming.letters = NoteLetters::FixedDo;
        naming.spelling = SolfegeSpelling::French;
        naming.octaves = OctaveNumbering::FrancoBelgian;
    } else if (lang == QLatin1String("it")) {
        naming.letters = NoteLetters::FixedDo;
        naming.spelling = SolfegeSpelling::Italian;
    } else if (lang == QLatin1String("es")) {
        naming.letters = NoteLetters::FixedDo;
        naming.spelling = SolfegeSpelling::Spanish;
    } else if (lang == QLatin1String("pt")) {
        naming.letters = NoteLetters::FixedDo;
        naming.spelling = SolfegeSpelling::Portuguese;
    }
    return naming;
}

QString NoteNamingKey(const NoteNaming &naming)
{
    return QString::fromLatin1(kLetterKeys[static_cast<int>(naming.letters)]) + QLatin1Char('/') +
           QString::fromLatin1(kOctaveKeys[static_cast<int>(naming.octaves)]);
}

NoteNaming NoteNamingFromKey(const QString &key, const QString &language)
{
    NoteNaming naming = DefaultNoteNaming(language);
    const QStringList parts = key.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return naming;
    int letters = -1;
    for (int i = 0; i < 3; ++i)
        if (parts[0] == QLatin1String(kLetterKeys[i]))
            letters = i;
    int octaves = -1;
    for (int i = 0; i < 2; ++i)
        if (parts[1] == QLatin1String(kOctaveKeys[i]))
            octaves = i;
    if (letters < 0 || octaves < 0)
        return naming;
    // Fixed do keeps the language's spelling; a language without its own
    // (English, German, Japanese, Chinese) spells it the Italian way.
    if (naming.letters != NoteLetters::FixedDo)
        naming.spelling = SolfegeSpelling::Italian;
    naming.letters = static_cast<NoteLetters>(letters);
    naming.octaves = static_cast<OctaveNumbering>(octaves);
    return naming;
}

} // namespace Theory
