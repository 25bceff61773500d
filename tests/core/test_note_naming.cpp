// Note names in every convention, for every key of the piano (MIDI 21..108).
#include <theory/note_naming.h>

#include <QSet>
#include <QtTest>

using namespace Theory;

Q_DECLARE_METATYPE(Theory::NoteNaming)

namespace {
NoteNaming naming(NoteLetters letters, SolfegeSpelling spelling, OctaveNumbering octaves)
{
    NoteNaming n;
    n.letters = letters;
    n.spelling = spelling;
    n.octaves = octaves;
    return n;
}
QStringList names(const char *spaceSeparated)
{
    return QString::fromUtf8(spaceSeparated).split(QLatin1Char(' '));
}
} // namespace

class NoteNamingTest : public QObject {
    Q_OBJECT

private slots:
    void everyKey_data()
    {
        QTest::addColumn<NoteNaming>("naming");
        QTest::addColumn<QStringList>("pitchClasses");  // C upwards
        QTest::addColumn<QString>("lowestA");           // key 21
        QTest::addColumn<QString>("middleC");           // key 60
        QTest::addColumn<QString>("highestC");          // key 108

        const auto sci = OctaveNumbering::Scientific;
        const auto fb = OctaveNumbering::FrancoBelgian;
        QTest::newRow("English") << naming(NoteLetters::English, SolfegeSpelling::Italian, sci)
                                 << names("C C♯ D D♯ E F F♯ G G♯ A A♯ B") << "A0" << "C4" << "C8";
        QTest::newRow("German") << naming(NoteLetters::German, SolfegeSpelling::Italian, sci)
                                << names("C C♯ D D♯ E F F♯ G G♯ A B H") << "A0" << "C4" << "C8";
        QTest::newRow("French") << naming(NoteLetters::FixedDo, SolfegeSpelling::French, fb)
                                << names("do do♯ ré ré♯ mi fa fa♯ sol sol♯ la la♯ si") << "la -1" << "do 3"
                                << "do 7";
        QTest::newRow("French, C4") << naming(NoteLetters::FixedDo, SolfegeSpelling::French, sci)
                                    << names("Do Do♯ Ré Ré♯ Mi Fa Fa♯ Sol Sol♯ La La♯ Si") << "La0" << "Do4"
                                    << "Do8";
        QTest::newRow("Italian") << naming(NoteLetters::FixedDo, SolfegeSpelling::Italian, sci)
                                 << names("Do Do♯ Re Re♯ Mi Fa Fa♯ Sol Sol♯ La La♯ Si") << "La0" << "Do4" << "Do8";
        QTest::newRow("Spanish") << naming(NoteLetters::FixedDo, SolfegeSpelling::Spanish, sci)
                                 << names("Do Do♯ Re Re♯ Mi Fa Fa♯ Sol Sol♯ La La♯ Si") << "La0" << "Do4" << "Do8";
        QTest::newRow("Portuguese") << naming(NoteLetters::FixedDo, SolfegeSpelling::Portuguese, sci)
                                    << names("Dó Dó♯ Ré Ré♯ Mi Fá Fá♯ Sol Sol♯ Lá Lá♯ Si") << "Lá0" << "Dó4"
                                    << "Dó8";
        QTest::newRow("German, do 3") << naming(NoteLetters::German, SolfegeSpelling::Italian, fb)
                                      << names("C C♯ D D♯ E F F♯ G G♯ A B H") << "A -1" << "C 3" << "C 7";
    }

    // Every key is named by its pitch class and an octave that rises at C
    // (not at A, where the piano starts), and no two keys share a name.
    void everyKey()
    {
        QFETCH(NoteNaming, naming);
        QFETCH(QStringList, pitchClasses);
        QFETCH(QString, lowestA);
        QFETCH(QString, middleC);
        QFETCH(QString, highestC);

        QCOMPARE(NoteName(21, naming), lowestA);
        QCOMPARE(NoteName(60, naming), middleC);
        QCOMPARE(NoteName(108, naming), highestC);

        const bool apart = naming.octaves == OctaveNumbering::FrancoBelgian;
        const int middleOctave = apart ? 3 : 4;
        QSet<QString> seen;
        for (int note = 21; note <= 108; ++note) {
            const int pc = note % 12;
            const QString octave = QString::number(middleOctave + (note - note % 12 - 60) / 12);
            const QString expected = pitchClasses[pc] + (apart ? QStringLiteral(" ") : QString()) + octave;
            QCOMPARE(NoteName(note, naming), expected);
            QCOMPARE(PitchClassName(pc, naming).toLower(), pitchClasses[pc].toLower());
            QVERIFY2(!seen.contains(expected), qPrintable(expected));
            seen.insert(expected);
        }
        QCOMPARE(seen.size(), 88);
    }

    void asciiSharpsForFiles()
    {
        const NoteNaming english;
        QCOMPARE(NoteName(61, english, Accidentals::Ascii), QStringLiteral("C#4"));
        NoteNaming german = DefaultNoteNaming(QStringLiteral("de"));
        QCOMPARE(NoteName(70, german, Accidentals::Ascii), QStringLiteral("B4"));
        QCOMPARE(NoteName(78, german, Accidentals::Ascii), QStringLiteral("F#5"));
        QCOMPARE(NoteName(-1, english), QString());
        QCOMPARE(NoteName(128, english), QString());
        QCOMPARE(NoteName(0, english), QStringLiteral("C-1"));
    }

    void defaultFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("middleC");
        QTest::addColumn<QString>("bFlat");
        QTest::addColumn<QString>("b");
        QTest::newRow("de_AT.UTF-8") << "de_AT.UTF-8" << "C4" << "B4" << "H4";
        QTest::newRow("fr_BE") << "fr_BE" << "do 3" << "la♯ 3" << "si 3";
        QTest::newRow("it") << "it" << "Do4" << "La♯4" << "Si4";
        QTest::newRow("es_ES.UTF-8@euro") << "es_ES.UTF-8@euro" << "Do4" << "La♯4" << "Si4";
        QTest::newRow("pt_BR") << "pt_BR" << "Dó4" << "Lá♯4" << "Si4";
        QTest::newRow("ja_JP") << "ja_JP" << "C4" << "A♯4" << "B4";
        QTest::newRow("zh_CN") << "zh_CN" << "C4" << "A♯4" << "B4";
        QTest::newRow("C") << "C" << "C4" << "A♯4" << "B4";
        QTest::newRow("empty") << "" << "C4" << "A♯4" << "B4";
    }

    void defaultFollowsTheLanguage()
    {
        QFETCH(QString, locale);
        const NoteNaming naming = DefaultNoteNaming(locale);
        QTEST(NoteName(60, naming), "middleC");
        QTEST(NoteName(70, naming), "bFlat");
        QTEST(NoteName(71, naming), "b");
    }

    // The stored choice wins over the language; fixed do keeps the language's
    // spelling; anything unreadable falls back to the language's default.
    void storedChoice()
    {
        for (const char *lang : {"en", "de", "fr", "it", "es", "pt", "ja", "zh_CN"}) {
            for (const NoteLetters letters : {NoteLetters::English, NoteLetters::German, NoteLetters::FixedDo})
                for (const OctaveNumbering octaves : {OctaveNumbering::Scientific, OctaveNumbering::FrancoBelgian}) {
                    const NoteNaming chosen = NoteNamingFromKey(
                        NoteNamingKey(naming(letters, SolfegeSpelling::Italian, octaves)), QString::fromLatin1(lang));
                    QCOMPARE(chosen.letters, letters);
                    QCOMPARE(chosen.octaves, octaves);
                }
        }
        const QString fr = QStringLiteral("fr_FR");
        QCOMPARE(NoteName(62, NoteNamingFromKey(QStringLiteral("fixed-do/c4"), fr)), QString::fromUtf8("Ré4"));
        QCOMPARE(NoteName(62, NoteNamingFromKey(QStringLiteral("fixed-do/c4"), QStringLiteral("de"))),
                 QStringLiteral("Re4"));
        QCOMPARE(NoteName(60, NoteNamingFromKey(QStringLiteral("letters/do3"), fr)), QStringLiteral("C 3"));
        for (const char *bad : {"", "german", "german/", "solfa/c4", "german/c5", "german/c4/x"})
            QCOMPARE(NoteNamingFromKey(QString::fromLatin1(bad), fr), DefaultNoteNaming(fr));
    }
};

QTEST_APPLESS_MAIN(NoteNamingTest)
#include "test_note_naming.moc"
