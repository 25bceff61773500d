// What the adaptive course asks: the shares of the classes, the taper of a
// new class, re-asks of missed classes and the order that blocks relative
// pitch, over long seeded runs.

#include <adaptive_course.h>
#include <order_rules.h>

#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

using namespace Course;

namespace {

// An answer to `question`: right (fast), or the class a semitone up, which
// involves every class alike in the confusions.
CourseAnswer answerTo(const CourseQuestion &question, bool right, long long reactionMs = 900)
{
    CourseAnswer answer;
    answer.askedNote = question.note;
    answer.answeredNote = right ? question.note : question.note + 1;
    answer.reactionMs = reactionMs;
    return answer;
}

// Questions drawn and answered `count` times, right with probability `rightShare`.
std::vector<CourseQuestion> run(AdaptiveCourse &course, int count, double rightShare, CourseRandom &learner)
{
    std::vector<CourseQuestion> asked;
    for (int i = 0; i < count; ++i) {
        const CourseQuestion q = course.next();
        asked.push_back(q);
        course.record(answerTo(q, learner.uniform() < rightShare));
    }
    return asked;
}

std::vector<unsigned> questionNotes(const std::vector<CourseQuestion> &questions)
{
    std::vector<unsigned> notes;
    for (const auto &q : questions)
        notes.push_back(static_cast<unsigned>(q.note));
    return notes;
}

} // namespace

class CourseChooserTest : public QObject {
    Q_OBJECT

private slots:
    // Classes answered alike are asked alike: 1/k each, within 1.5 points,
    // with the order rules and re-asks on (they favour no class over a long
    // run).
    void equalHistoriesGiveEqualShares_data()
    {
        QTest::addColumn<int>("classes");
        QTest::newRow("3 classes") << 3;
        QTest::newRow("12 classes") << 12;
    }
    void equalHistoriesGiveEqualShares()
    {
        QFETCH(int, classes);
        AdaptiveCourse course(classes, 42);
        CourseRandom learner(4);
        for (int round = 0; round < 10; ++round)
            for (int c = 0; c < classes; ++c)
                course.record(CourseAnswer {noteOf(c, round % 7), noteOf(c, round % 7), 800, false});
        std::vector<int> counts(kClassCount, 0);
        constexpr int kDraws = 20000;
        for (int i = 0; i < kDraws; ++i) {
            const CourseQuestion q = course.next();
            QVERIFY(q.noteIndex >= 0 && q.noteIndex < classes);
            ++counts[q.noteIndex];
            // Right half the time, whatever the class: no class becomes
            // secure, so none is unlocked.
            course.record(answerTo(q, learner.uniform() < 0.5));
        }
        for (int c = 0; c < classes; ++c)
            QVERIFY2(std::abs(double(counts[c]) / kDraws - 1.0 / classes) <= 0.015,
                     qPrintable(QStringLiteral("class %1: %2 of %3").arg(c).arg(counts[c]).arg(kDraws)));
    }

    // More errors, a larger share; no share leaves [0.5/k, 3/k], even for
    // a class that is always missed beside classes that never are.
    void errorsRaiseTheShareWithinTheClamp()
    {
        AdaptiveCourse course(6, 1);
        for (int round = 0; round < 30; ++round) {
            for (int c = 0; c < 6; ++c) {
                const int errors = c == 1 ? 2 : c == 2 ? 1 : 0; // per 3 rounds
                const bool wrong = (round % 3) < errors;
                const int note = noteOf(c, 3);
                course.record(CourseAnswer {note, wrong ? note + 2 : note, 800, false});
            }
        }
        auto shares = course.shares();
        QVERIFY2(shares[1] > shares[2] && shares[2] > shares[0], qPrintable(QString::number(shares[1])));
        double sum = 0.0;
        for (int c = 0; c < 6; ++c) {
            sum += shares[c];
            QVERIFY(shares[c] >= 0.5 / 6 - 1e-9 && shares[c] <= 3.0 / 6 + 1e-9);
        }
        QCOMPARE(std::round(sum * 1e9), 1e9);

        AdaptiveCourse lopsided(12, 1);
        for (int i = 0; i < 480; ++i) {
            const int c = i % 12;
            const int note = noteOf(c, 2);
            lopsided.record(CourseAnswer {note, c == 5 ? note + 2 : note, 800, false});
        }
        shares = lopsided.shares();
        QVERIFY(std::fabs(shares[5] - 3.0 / 12) < 1e-9);
        for (int c = 0; c < 12; ++c)
            QVERIFY(shares[c] >= 0.5 / 12 - 1e-9);
        sum = 0.0;
        for (double share : shares)
            sum += share;
        QVERIFY(std::fabs(sum - 1.0) < 1e-9);
    }

    // A new class starts at 0.4 and meets its weighted share at its 300th
    // question, with no jump after.
    void newClassTapersFromFourTenthsOverThreeHundredQuestions()
    {
        AdaptiveCourse course(2, 5);
        CourseRandom learner(9);
        int unlockedAt = -1;
        while (unlockedAt < 0 && course.answerCount() < 500) {
            const CourseQuestion q = course.next();
            if (course.record(answerTo(q, true)).unlocked == 2)
                unlockedAt = static_cast<int>(course.answerCount());
        }
        QVERIFY(unlockedAt > 0);
        QCOMPARE(course.unlockedCount(), 3);
        QCOMPARE(course.shares()[2], 0.4);
        std::vector<double> shares;
        for (int i = 1; i <= 600; ++i) {
            run(course, 1, 0.5, learner); // a slow learner: nothing more unlocks
            shares.push_back(course.shares()[2]);
        }
        QCOMPARE(course.unlockedCount(), 3);
        const double settled = shares[299];
        QVERIFY2(std::fabs(settled - shares[300]) < 0.01, qPrintable(QString::number(settled)));
        QVERIFY2(std::fabs(shares[149] - (0.4 + settled) / 2) < 0.05, qPrintable(QString::number(shares[149])));
        QVERIFY(std::fabs(settled - 0.4) > 0.02);
    }

    // Every re-ask comes 4-8 other questions after the class's last answer
    // (its miss, its first right re-ask, or a draw of it meanwhile), in
    // another octave; a class is re-asked until answered right twice.
    void missesComeBackFourToEightQuestionsLaterInAnotherOctave_data()
    {
        QTest::addColumn<bool>("block");
        QTest::addColumn<int>("classes");
        QTest::newRow("blocked, 12 classes") << true << 12;
        QTest::newRow("blocked, 4 classes") << true << 4;
        QTest::newRow("free, 12 classes") << false << 12;
    }
    void missesComeBackFourToEightQuestionsLaterInAnotherOctave()
    {
        QFETCH(bool, block);
        QFETCH(int, classes);
        AdaptiveCourse course(classes, 77);
        course.setBlockRelativePitch(block);
        CourseRandom learner(3);
        std::map<int, int> lastIndex, lastNote, rightsSinceMiss;
        int reasks = 0;
        for (int i = 0; i < 5000; ++i) {
            const CourseQuestion q = course.next();
            const int c = q.noteIndex;
            const bool owed = rightsSinceMiss.count(c) && rightsSinceMiss[c] < 2;
            QVERIFY(owed || !q.reask);
            if (q.reask) {
                ++reasks;
                const int gap = i - lastIndex[c] - 1;
                QVERIFY2(gap >= 4 && gap <= 8, qPrintable(QStringLiteral("question %1: gap %2").arg(i).arg(gap)));
                QVERIFY(octaveOfNote(q.note) != octaveOfNote(lastNote[c]));
            }
            const bool right = learner.uniform() < 0.7;
            course.record(answerTo(q, right));
            if (!right)
                rightsSinceMiss[c] = 0;
            else if (rightsSinceMiss.count(c) && ++rightsSinceMiss[c] >= 2)
                rightsSinceMiss.erase(c);
            lastIndex[c] = i;
            lastNote[c] = q.note;
        }
        QVERIFY(reasks > 500);
    }

    // Generated sequences keep the order rules with 2, 3 and 12 classes,
    // re-asks included; with the block off, successive notes do come close.
    void generatedSequencesKeepTheOrderRules_data()
    {
        QTest::addColumn<int>("classes");
        QTest::newRow("2 classes") << 2;
        QTest::newRow("3 classes") << 3;
        QTest::newRow("12 classes") << 12;
    }
    void generatedSequencesKeepTheOrderRules()
    {
        QFETCH(int, classes);
        CourseRandom learner(11);
        for (int sequence = 0; sequence < 10000; ++sequence) {
            AdaptiveCourse course(classes, static_cast<std::uint64_t>(sequence));
            const auto notes = questionNotes(run(course, 24, 0.55, learner));
            QCOMPARE(course.unlockedCount(), classes);
            const int broken = firstOrderBreak(notes, classes);
            if (broken >= 0)
                QFAIL(qPrintable(QStringLiteral("seed %1, question %2: %3 after %4")
                                     .arg(sequence).arg(broken).arg(notes[broken]).arg(notes[broken - 1])));
        }
        AdaptiveCourse free(classes, 1);
        free.setBlockRelativePitch(false);
        QVERIFY(firstOrderBreak(questionNotes(run(free, 200, 0.55, learner)), classes) >= 0);
    }

    // The twelve-level course's lists, put in order for the block: the same
    // questions, no rule broken, at every level.
    void levelListsCanBeOrderedForTheBlock()
    {
        CourseRandom random(8);
        for (int level = 1; level <= 12; ++level) {
            std::vector<unsigned> list;
            for (int c = 0; c < level; ++c)
                for (int o = 0; o < kOctaveCount; ++o)
                    list.push_back(static_cast<unsigned>(noteOf(c, o)));
            for (int attempt = 0; attempt < 20; ++attempt) {
                const auto ordered = orderedForRelativePitchBlock(list, level, random, -1, noteOf(0, 3));
                QCOMPARE(firstOrderBreak(ordered, level), -1);
                QVERIFY(followsOrderRules(-1, noteOf(0, 3), static_cast<int>(ordered[0]), level));
                auto a = ordered, b = list;
                std::sort(a.begin(), a.end());
                std::sort(b.begin(), b.end());
                QCOMPARE(a, b);
            }
        }
    }

    // The order rules themselves, on hand-picked pairs.
    void orderRulesJudgePairsAndTriples()
    {
        QVERIFY(followsOrderRules(-1, -1, 60, 12));    // nothing before
        QVERIFY(!followsOrderRules(-1, 60, 72, 12));   // exactly an octave
        QVERIFY(followsOrderRules(-1, 60, 74, 12));    // D, more than an octave up
        QVERIFY(!followsOrderRules(-1, 60, 85, 12));   // C# two octaves up: a semitone ignoring octaves
        QVERIFY(!followsOrderRules(-1, 60, 35, 12));   // B below: the same
        QVERIFY(!followsOrderRules(36, 60, 84, 12));   // C three times
        QVERIFY(followsOrderRules(36, 60, 84, 2));     // ... allowed with two classes
        QVERIFY(followsOrderRules(38, 60, 84, 12));    // D, C, C
    }
};

QTEST_GUILESS_MAIN(CourseChooserTest)
#include "test_course_chooser.moc"
