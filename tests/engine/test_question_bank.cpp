#include "question_bank.h"
#include "test_store.h"

#include <order_rules.h>
#include <pitch_classes.h>

#include <QtTest>

#include <set>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

std::vector<std::uint32_t> sorted(std::vector<std::uint32_t> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// Answers every question of the session, `right` of them correctly.
void answerSession(QuestionBank &bank, unsigned right)
{
    const auto count = bank.questions.size();
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned q = bank.questions[bank.currentQuestion];
        bank.scoreAnswer(i < right ? q : q + 1);
        ++bank.currentQuestion;
    }
    bank.currentQuestion = static_cast<std::uint32_t>(count - 1);
}

} // namespace

class QuestionBankTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestStore::freshStore(); }

    void noteIndexFollowsTheLevelOrder()
    {
        QCOMPARE(noteIndexOf(60), 0u);
        QCOMPARE(noteIndexOf(61), 7u);
        QCOMPARE(noteIndexOf(69), 5u);
        QCOMPARE(noteIndexOf(66), 9u);
        QCOMPARE(noteIndexOf(107), 6u);
        for (unsigned i = 0; i < 12; ++i)
            QCOMPARE(noteIndexOf(noteOrder[i] + 36), i);
    }

    // "Block relative pitch": every level's list keeps its questions, in an
    // order with no two successive ones an octave or less or a semitone
    // apart. The adaptive course counts the classes in the same order.
    void blockedListsKeepTheirQuestionsInAnOrderWithoutIntervals()
    {
        for (unsigned i = 0; i < 12; ++i)
            QCOMPARE(Course::noteOf(int(i), 0), int(noteOrder[i]));
        QuestionBank bank;
        bank.blockRelativePitch = true;
        for (int level = 1; level <= 12; ++level) {
            bank.setLevel(level);
            QCOMPARE(bank.questions.size(), std::size_t(7 * level));
            QCOMPARE(std::set<std::uint32_t>(bank.questions.begin(), bank.questions.end()).size(),
                     std::size_t(7 * level));
            const std::vector<unsigned> list(bank.questions.begin(), bank.questions.end());
            QCOMPARE(Course::firstOrderBreak(list, level), -1);
        }
    }

    void listHoldsEachNoteOfTheLevelOncePerOctave()
    {
        QuestionBank bank;
        bank.setLevel(1);
        QCOMPARE(sorted(bank.questions), (std::vector<std::uint32_t>{24, 36, 48, 60, 72, 84, 96}));
        QCOMPARE(bank.questionCount, 7u);
        QCOMPARE(bank.noteStats, std::vector<std::uint32_t>(1, 0));

        bank.setLevel(7);
        QCOMPARE(bank.questions.size(), std::size_t(49));
        for (auto q : bank.questions) {
            QVERIFY(q >= 24 && q <= 107);
            QVERIFY2(noteIndexOf(q) < 7, "level 7 asks only the natural notes");
        }

        bank.setLevel(12);
        std::vector<std::uint32_t> all(84);
        std::iota(all.begin(), all.end(), 24u);
        QCOMPARE(sorted(bank.questions), all);
        QCOMPARE(bank.noteStats.size(), std::size_t(12));
    }

    void levelsOutsideTheRangeBecomeOne()
    {
        QuestionBank bank;
        for (int level : {0, 13, -1, 1000}) {
            bank.setLevel(level);
            QCOMPARE(bank.maturityLevel, 1u);
            QCOMPARE(bank.questions.size(), std::size_t(7));
        }
    }

    void generatorIsSeededOncePerProcess()
    {
        QuestionBank bank; // the first rebuild of the process seeds
        bank.setLevel(12);
        std::srand(42);
        bank.setLevel(12);
        const auto first = bank.questions;
        std::srand(42);
        bank.setLevel(12);
        QCOMPARE(bank.questions, first);

        // and the shuffle does shuffle
        std::vector<std::uint32_t> ordered(84);
        std::iota(ordered.begin(), ordered.end(), 24u);
        QVERIFY(bank.questions != ordered);
    }

    void onlyTheExactNoteIsRight()
    {
        QuestionBank bank;
        bank.setLevel(1);
        const unsigned q = bank.questions[0];
        const unsigned otherOctave = q == 96 ? q - 12 : q + 12;

        ScoredAnswer wrong = bank.scoreAnswer(otherOctave);
        QVERIFY(!wrong.correct);
        QCOMPARE(wrong.questionNote, q);
        QCOMPARE(bank.incorrectCount, 1u);
        QCOMPARE(bank.correctCount, 0u);
        QCOMPARE(bank.noteStats[0], 0u);
        QCOMPARE(bank.currentQuestion, 0u); // the session moves on, not the bank

        ScoredAnswer right = bank.scoreAnswer(q);
        QVERIFY(right.correct);
        QCOMPARE(bank.correctCount, 1u);
        QCOMPARE(bank.noteStats[0], 1u);
    }

    void passMarksRaiseTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<unsigned>("needed");
        const unsigned needed[] = {5, 10, 14, 19, 23, 28, 32, 37, 41, 46, 51, 55};
        for (int level = 1; level <= 12; ++level)
            QTest::addRow("level %d", level) << level << needed[level - 1];
    }

    void passMarksRaiseTheLevel()
    {
        QFETCH(int, level);
        QFETCH(unsigned, needed);
        QuestionBank bank;

        bank.setLevel(level);
        answerSession(bank, needed);
        const bool perfect = bank.finishSession();
        QCOMPARE(bank.maturityLevel, unsigned(std::min(level + 1, 12)));
        QCOMPARE(perfect, level == 12);
        QCOMPARE(bank.questions.size(), std::size_t(7 * bank.maturityLevel));
        QCOMPARE(bank.correctCount, 0u);
        QCOMPARE(bank.currentQuestion, 0u);

        // One fewer fails: spread the right answers evenly so no drop applies.
        bank.setLevel(level);
        std::fill(bank.noteStats.begin(), bank.noteStats.end(), 0);
        bank.correctCount = needed - 1;
        QVERIFY(!bank.finishSession());
        QCOMPARE(bank.maturityLevel, unsigned(level));
    }

    void failedSessionDropsWhenTheNewestNoteBeatsAnOlderOne()
    {
        QuestionBank bank;
        bank.setLevel(5);
        bank.noteStats = {3, 3, 0, 3, 1}; // E got none, G (the newest) got one
        bank.correctCount = 10;
        QVERIFY(!bank.finishSession());
        QCOMPARE(bank.maturityLevel, 4u);

        bank.setLevel(5);
        bank.noteStats = {3, 3, 1, 3, 1}; // no older note below the newest
        bank.correctCount = 11;
        bank.finishSession();
        QCOMPARE(bank.maturityLevel, 5u);

        bank.setLevel(2);
        bank.noteStats = {0, 5};
        bank.correctCount = 5;
        bank.finishSession();
        QCOMPARE(bank.maturityLevel, 2u);

        bank.setLevel(1);
        bank.correctCount = 4;
        bank.finishSession();
        QCOMPARE(bank.maturityLevel, 1u);
    }

    void passingTheLastLevelKeepsItWithAFreshList()
    {
        QuestionBank bank;
        bank.setLevel(12);
        bank.correctCount = 84;
        QVERIFY(bank.finishSession());
        QCOMPARE(bank.maturityLevel, 12u);
        QCOMPARE(bank.questions.size(), std::size_t(84));
        QCOMPARE(bank.correctCount, 0u);
    }
};

ORVELLE_TEST_MAIN(QuestionBankTest, QCoreApplication)
#include "test_question_bank.moc"
