#include "theory_tables.h"

#include <QObject>

namespace Theory {

namespace {

// The tables are built while static data is initialised, as the program starts.
const std::array<QString, kChordTypeCount> chordTypeNames = {
    QObject::tr("maj"),   QObject::tr("min"),   QObject::tr("maj6"),  QObject::tr("min6"),
    QObject::tr("maj7"),  QObject::tr("min7"),  QObject::tr("dom7"),  QObject::tr("sus2"),
    QObject::tr("sus4"),  QObject::tr("6sus2"), QObject::tr("6sus4"), QObject::tr("7sus2"),
    QObject::tr("7sus4"), QObject::tr("aug"),   QObject::tr("aug6"),  QObject::tr("aug7"),
    QObject::tr("dim"),   QObject::tr("dim7"),
};

const std::array<QString, kIntervalCount> intervalNames = {
    QObject::tr("Perfect Unison"), QObject::tr("Minor second"),   QObject::tr("Major second"),
    QObject::tr("Minor third"),    QObject::tr("Major third"),    QObject::tr("Perfect fourth"),
    QObject::tr("Tritone"),        QObject::tr("Perfect fifth"),  QObject::tr("Minor sixth"),
    QObject::tr("Major sixth"),    QObject::tr("Minor seventh"),  QObject::tr("Major seventh"),
    QObject::tr("Perfect octave"),
};

QString WithSign(const char *letter, char16_t sign)
{
    return QString::fromLatin1(letter) + QChar(sign);
}

constexpr char16_t kSharp = 0x266F;
constexpr char16_t kFlat = 0x266D;

const std::array<NoteName, kNoteNameCount> noteNames = {{
    {QStringLiteral("C"), QStringLiteral("C")},
    {WithSign("C", kSharp), WithSign("D", kFlat)},
    {QStringLiteral("D"), QStringLiteral("D")},
    {WithSign("D", kSharp), WithSign("E", kFlat)},
    {QStringLiteral("E"), QStringLiteral("E")},
    {QStringLiteral("F"), QStringLiteral("F")},
    {WithSign("F", kSharp), WithSign("G", kFlat)},
    {QStringLiteral("G"), QStringLiteral("G")},
    {WithSign("G", kSharp), WithSign("A", kFlat)},
    {QStringLiteral("A"), QStringLiteral("A")},
    {WithSign("A", kSharp), WithSign("B", kFlat)},
    {QStringLiteral("B"), QStringLiteral("B")},
}};

const std::array<QString, kScaleCount> scaleNames = {
    QObject::tr("Major"),        QObject::tr("Natural m"),  QObject::tr("Harmonic m"), QObject::tr("Melodic m"),
    QObject::tr("Pentatonic"),   QObject::tr("Pentatonic m"), QObject::tr("Diminished"), QObject::tr("Blues"),
    QObject::tr("Augmented"),    QObject::tr("Whole Tone"),
};

const std::array<Tempo, kTempoCount> tempos = {{
    {60, 70, 80, QObject::tr("Adagio"), QObject::tr("Slow && stately\n (66-76 bpm)"),
     QStringLiteral(":/pixmap/exercise/adagio.png")},
    {115, 120, 130, QObject::tr("Allegro"), QObject::tr("Fast && bright\n (120-139 bpm)"),
     QStringLiteral(":/pixmap/exercise/allegro.png")},
    {80, 90, 100, QObject::tr("Andante"), QObject::tr("At a Walking Pace\n (76-108 bpm)"),
     QStringLiteral(":/pixmap/exercise/andante.png")},
    {0, 50, 60, QObject::tr("Largo"), QObject::tr("Very slow\n (40-60 bpm)"),
     QStringLiteral(":/pixmap/exercise/largo.png")},
    {100, 110, 115, QObject::tr("Moderato"), QObject::tr("Moderately\n (101-110 bpm)"),
     QStringLiteral(":/pixmap/exercise/moderato.png")},
    {155, 170, 185, QObject::tr("Presto"), QObject::tr("Very fast\n (168-200 bpm)"),
     QStringLiteral(":/pixmap/exercise/presto.png")},
    {130, 140, 155, QObject::tr("Vivace"), QObject::tr("Lively && fast\n (130-155 bpm)"),
     QStringLiteral(":/pixmap/exercise/vivace.png")},
    {0, 0, 0, QString(), QString(), QString()},
    {0, 0, 0, QString(), QString(), QString()},
}};

std::array<std::int32_t, kBlackKeyCount> MakeBlackKeys()
{
    std::array<std::int32_t, kBlackKeyCount> keys{};
    int i = 0;
    for (int octave = 0; octave < 7; ++octave) {
        for (int offset : {1, 4, 6, 9, 11})
            keys[i++] = 12 * octave + offset;
    }
    keys[i] = 85;
    return keys;
}

const std::array<std::int32_t, kBlackKeyCount> blackKeys = MakeBlackKeys();
const std::array<std::int32_t, kGuitarStringCount> guitarStrings = {43, 38, 34, 29, 24, 19};
const std::array<std::int32_t, kPitchClassCount> pitchClasses = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

} // namespace

const std::array<QString, kChordTypeCount> &ChordTypeNames() { return chordTypeNames; }
const std::array<QString, kIntervalCount> &IntervalNames() { return intervalNames; }
const std::array<NoteName, kNoteNameCount> &NoteNames() { return noteNames; }
const std::array<QString, kScaleCount> &ScaleNames() { return scaleNames; }
const std::array<Tempo, kTempoCount> &Tempos() { return tempos; }
const std::array<std::int32_t, kBlackKeyCount> &BlackKeys() { return blackKeys; }
const std::array<std::int32_t, kGuitarStringCount> &GuitarStrings() { return guitarStrings; }
const std::array<std::int32_t, kPitchClassCount> &PitchClasses() { return pitchClasses; }

} // namespace Theory
