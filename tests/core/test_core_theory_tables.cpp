// Spot checks of the music theory tables.
#include <theory/theory_tables.h>

#include <QtTest>

using namespace Theory;

class CoreTheoryTablesTest : public QObject {
    Q_OBJECT

private slots:
    void names()
    {
        QCOMPARE(ChordTypeNames().front(), QStringLiteral("maj"));
        QCOMPARE(ChordTypeNames()[9], QStringLiteral("6sus2"));
        QCOMPARE(ChordTypeNames().back(), QStringLiteral("dim7"));
        QCOMPARE(IntervalNames()[0], QStringLiteral("Perfect Unison"));
        QCOMPARE(IntervalNames()[6], QStringLiteral("Tritone"));
        QCOMPARE(IntervalNames()[12], QStringLiteral("Perfect octave"));
        QCOMPARE(ScaleNames()[5], QStringLiteral("Pentatonic m"));
        QCOMPARE(ScaleNames().back(), QStringLiteral("Whole Tone"));
    }

    void noteNamesUseTheMusicSigns()
    {
        QCOMPARE(NoteNames()[10].sharp, QString::fromUtf8("A\u266F"));
        QCOMPARE(NoteNames()[10].flat, QString::fromUtf8("B\u266D"));
        QCOMPARE(NoteNames()[1].sharp.size(), 2);
        for (int pitch : {0, 2, 4, 5, 7, 9, 11}) {
            QCOMPARE(NoteNames()[pitch].sharp.size(), 1);
            QCOMPARE(NoteNames()[pitch].sharp, NoteNames()[pitch].flat);
        }
    }

    void tempos()
    {
        const Tempo &adagio = Tempos()[0];
        QCOMPARE(adagio.lowBpm, 60);
        QCOMPARE(adagio.highBpm, 80);
        QCOMPARE(adagio.description, QStringLiteral("Slow && stately\n (66-76 bpm)"));
        QCOMPARE(Tempos()[3].lowBpm, 0);
        QCOMPARE(Tempos()[3].name, QStringLiteral("Largo"));
        QCOMPARE(Tempos()[6].pixmap, QStringLiteral(":/pixmap/exercise/vivace.png"));
        for (int row : {7, 8}) {
            QCOMPARE(Tempos()[row].midBpm, 0);
            QVERIFY(Tempos()[row].name.isEmpty());
            QVERIFY(Tempos()[row].description.isEmpty());
            QVERIFY(Tempos()[row].pixmap.isEmpty());
        }
    }

    void integerTables()
    {
        const auto &black = BlackKeys();
        QCOMPARE(black[0], 1);
        QCOMPARE(black[5], 13);
        QCOMPARE(black[33], 81);
        QCOMPARE(black[34], 83);
        QCOMPARE(black[35], 85);
        QCOMPARE(GuitarStrings().front(), 43);
        QCOMPARE(GuitarStrings().back(), 19);
        QCOMPARE(PitchClasses()[11], 11);
    }
};

QTEST_GUILESS_MAIN(CoreTheoryTablesTest)
#include "test_core_theory_tables.moc"
