// How the adaptive course follows a learner: the response deadline, the
// classes' states and unlocking, rounds and their summary, and rebuilding
// all of it from a history, bad histories included.

#include <adaptive_course.h>
#include <adaptive_trainer.h>
#include <course_texts.h>
#include <course_timeline.h>

#include <QtTest>

#include <vector>

using namespace Course;

namespace {

CourseAnswer given(int asked, int answered, long long reactionMs, bool adaptive = true)
{
    return CourseAnswer {asked, answered, reactionMs, adaptive};
}

// Answers `count` questions the course draws: right for the classes in
// `knownClasses` (bit per note index), the class above otherwise.
void answerDrawn(AdaptiveCourse &course, int count, unsigned knownClasses, long long reactionMs = 900)
{
    for (int i = 0; i < count; ++i) {
        const CourseQuestion q = course.next();
        const bool right = knownClasses & (1u << q.noteIndex);
        course.record(given(q.note, right ? q.note : q.note + 1, reactionMs));
    }
}

void compareCourses(const AdaptiveCourse &a, const AdaptiveCourse &b)
{
    QCOMPARE(a.unlockedCount(), b.unlockedCount());
    QVERIFY(a.states() == b.states());
    QCOMPARE(a.deadlineSeconds(), b.deadlineSeconds());
    QVERIFY(a.shares() == b.shares());
    QCOMPARE(a.roundPosition(), b.roundPosition());
}

} // namespace

class CourseProgressTest : public QObject {
    Q_OBJECT

private slots:
    // 3.0 s at first; a block of 20 at >= 90 % fast and right takes 10 %
    // off (down to 1.3 s), a block below 70 % adds 10 % (up to 3.0 s), a
    // block between leaves it. A late or untimed answer is never fast.
    void deadlineFollowsBlocksOfTwenty()
    {
        ResponseDeadline deadline;
        QCOMPARE(deadline.seconds(), 3.0);
        QVERIFY(deadline.isFast(3000) && !deadline.isFast(3001) && !deadline.isFast(-1));
        for (int i = 0; i < 19; ++i)
            QVERIFY(!deadline.record(true));
        QVERIFY(deadline.record(true));
        QCOMPARE(deadline.seconds(), 2.7);
        for (int i = 0; i < 20 * 30; ++i)
            deadline.record(true);
        QCOMPARE(deadline.seconds(), 1.3);
        for (int i = 0; i < 20; ++i) // 15 of 20: between the two marks
            deadline.record(i % 4 != 0);
        QCOMPARE(deadline.seconds(), 1.3);
        for (int i = 0; i < 20; ++i) // 13 of 20
            deadline.record(i < 13);
        QVERIFY(std::fabs(deadline.seconds() - 1.43) < 1e-9);
        for (int i = 0; i < 20 * 30; ++i)
            deadline.record(false);
        QCOMPARE(deadline.seconds(), 3.0);
    }

    // Secure at 16 right of the last 20; mastered at 36 of the last 40
    // right within 2 s; the next class unlocks once all are secure, and a
    // learner past level 2 starts with that level's classes.
    void classesBecomeSecureThenMasteredAndUnlockTheNext()
    {
        AdaptiveCourse course;
        QCOMPARE(course.unlockedCount(), 2);
        QVERIFY(course.state(0) == ClassState::Learning && course.state(2) == ClassState::Locked);
        const int c4 = noteOf(0, 3), d4 = noteOf(1, 3);
        for (int i = 0; i < 20; ++i)
            course.record(given(c4, i < 4 ? c4 + 2 : c4, 2500));
        QVERIFY(course.state(0) == ClassState::Secure);
        QCOMPARE(course.unlockedCount(), 2); // D is still learning
        int unlockedBy = -1;
        for (int i = 0; i < 20 && unlockedBy < 0; ++i)
            unlockedBy = course.record(given(d4, d4, 2500)).unlocked;
        QCOMPARE(unlockedBy, 2);
        QVERIFY(course.state(2) == ClassState::Learning);
        // Right but slow is not mastery; right within 2 s is.
        for (int i = 0; i < 40; ++i)
            course.record(given(c4, c4, 2100));
        QVERIFY(course.state(0) == ClassState::Secure);
        for (int i = 0; i < 40; ++i)
            course.record(given(c4, c4 + 12, 1500)); // the class, in another octave
        QVERIFY(course.state(0) == ClassState::Mastered);
        const ClassReport report = course.report(0);
        QCOMPARE(report.accuracy, 1.0);
        QCOMPARE(report.octaveExactShare, 0.0);
        QCOMPARE(AdaptiveCourse(5).unlockedCount(), 5);
        QCOMPARE(AdaptiveCourse(1).unlockedCount(), 2);
        QCOMPARE(AdaptiveCourse(40).unlockedCount(), 12);
    }

    // A round is 40 answers of this course: one summary, with the classes
    // that moved, the deadline, what unlocks next and the two most
    // confused pairs. Answers of the twelve-level course fill no round.
    void roundsOfFortyEndWithASummary()
    {
        AdaptiveCourse course(3, 2);
        const int f3 = noteOf(3, 2);
        for (int i = 0; i < 60; ++i)
            course.record(given(f3, f3, 800, false));
        QCOMPARE(course.roundPosition(), 0);
        QVERIFY(!course.takeRoundSummary());

        const int c = noteOf(0, 3), d = noteOf(1, 3), e = noteOf(2, 3);
        std::vector<CourseAnswer> round;
        for (int i = 0; i < 5; ++i)
            round.push_back(given(e, d, 900)); // E heard as D, 5 times
        for (int i = 0; i < 3; ++i)
            round.push_back(given(c, d, 900)); // C as D, 3 times
        round.push_back(given(d, c, 900));     // D as C, once
        for (int i = 0; i < 6; ++i)
            round.push_back(given(d, d, 900));
        while (round.size() < 40)
            round.push_back(given(c, c, 900)); // 25 times: C is secure
        bool ended = false;
        for (const auto &answer : round)
            ended = course.record(answer).roundEnded;
        QVERIFY(ended);
        const auto summary = course.takeRoundSummary();
        QVERIFY(summary);
        QVERIFY(!course.takeRoundSummary());
        QCOMPARE(summary->round, 1);
        QCOMPARE(summary->right, 31);
        QVERIFY(summary->before[0] == ClassState::Learning && summary->after[0] == ClassState::Secure);
        QCOMPARE(summary->nextUnlock, 3);
        QCOMPARE(summary->notYetSecure, std::vector<int>({1, 2}));
        QCOMPARE(summary->confusions.size(), std::size_t(2));
        QCOMPARE(summary->confusions[0].asked, 2);
        QCOMPARE(summary->confusions[0].heardAs, 1);
        QCOMPARE(summary->confusions[0].times, 5);
        QCOMPARE(summary->confusions[1].asked, 0);
        QCOMPARE(summary->confusions[1].times, 3);
        QCOMPARE(summary->deadlineSeconds, course.deadlineSeconds());
        const QVariantMap shown = roundSummaryForDocument(*summary);
        QCOMPARE(shown.value("headline").toString(), QStringLiteral("Round 1: 31 of 40 right"));
        const QStringList detail = shown.value("detail").toString().split('\n');
        QCOMPARE(detail, QStringList({QStringLiteral("C learning → secure."),
                                      QStringLiteral("Answer within 2.7 s to count as fast (3.0 s before)."),
                                      QStringLiteral("F comes next, once D and E are secure."),
                                      QStringLiteral("You hear E as D: 5 times"),
                                      QStringLiteral("You hear C as D: 3 times")}));
    }

    // The statistics' view: each class's moves with the time of the answer
    // that made them, the first time it was secure and mastered, and the
    // deadline's moves.
    void timelineDatesStatesAndDeadline()
    {
        CourseTimelineBuilder builder;
        const int c4 = noteOf(0, 3), d4 = noteOf(1, 3);
        std::int64_t time = 1000;
        for (int i = 0; i < 40; ++i) {
            builder.add(given(c4, c4, 1500), time += 10);
            builder.add(given(d4, i < 30 ? d4 + 1 : d4, 1500), time += 10);
        }
        builder.add(given(-3, 60, 1500), time += 10); // names no question: nothing moves
        const CourseTimeline &t = builder.timeline();
        // C: secure at its 20th answer (the 39th overall), mastered at its 40th.
        QCOMPARE(t.firstSecure[0], std::int64_t(1000 + 39 * 10));
        QCOMPARE(t.firstMastered[0], std::int64_t(1000 + 79 * 10));
        QCOMPARE(t.firstSecure[1], std::int64_t(0));
        QCOMPARE(t.firstMastered[2], std::int64_t(0));
        QCOMPARE(t.changes.front().noteIndex, 0);
        QVERIFY(t.changes.front().state == ClassState::Secure);
        // The deadline starts at 3.0 s and moves once: after the fourth
        // block of 20, the first all fast and right.
        QCOMPARE(t.deadline.size(), std::size_t(2));
        QCOMPARE(t.deadline.front().timeUtcMs, std::int64_t(1010));
        QCOMPARE(t.deadline.front().seconds, 3.0);
        QCOMPARE(t.deadline.back().timeUtcMs, std::int64_t(1000 + 80 * 10));
        QCOMPARE(t.deadline.back().seconds, 2.7);
    }

    // Fed the same answers, a new course is where the old one was, and with
    // the generator's stored state it asks the same next questions.
    void historyRebuildsTheCourseAndTheStoredStateTheQuestions()
    {
        AdaptiveCourse first(2, 1234);
        std::vector<CourseAnswer> history;
        for (int i = 0; i < 700; ++i) {
            const CourseQuestion q = first.next();
            const bool right = i % 20 != 7;
            history.push_back(given(q.note, right ? q.note : q.note - 2, 600 + (i * 37) % 2000, i > 50));
            first.record(history.back());
        }
        QVERIFY(first.unlockedCount() >= 3);
        QVERIFY(first.deadlineSeconds() < 3.0);

        AdaptiveCourse again(2, 999);
        for (const auto &answer : history)
            again.record(answer);
        compareCourses(first, again);
        QVERIFY(again.random().setStateText(first.random().stateText()));
        for (int i = 0; i < 50; ++i) {
            const CourseQuestion a = first.next(), b = again.next();
            QCOMPARE(b.note, a.note);
            QCOMPARE(b.reask, a.reask);
            first.record(given(a.note, a.note + (i % 4 ? 0 : 2), 700));
            again.record(given(b.note, b.note + (i % 4 ? 0 : 2), 700));
        }
        QVERIFY(!again.random().setStateText(QStringLiteral("not a state")));
    }

    // The program's start: the stored question is asked first, answers given
    // before the history has been read are neither lost nor counted twice
    // (the history read may or may not hold them already), and the course
    // ends where one fed everything in order would be.
    void trainerTakesTheHistoryLateWithoutLosingOrDoublingAnswers()
    {
        std::vector<CourseAnswer> history;
        AdaptiveCourse reference(2, 1);
        for (int i = 0; i < 300; ++i) {
            const CourseQuestion q = reference.next();
            history.push_back(given(q.note, i % 6 ? q.note : q.note + 1, 900));
            reference.record(history.back());
        }
        AdaptiveTrainer trainer(2, 77);
        trainer.restore({noteOf(1, 4), true, reference.random().stateText()});
        QCOMPARE(trainer.question().note, noteOf(1, 4));
        QVERIFY(trainer.question().reask);
        // Two answers before the history arrives: rows 301 and 302, of
        // which the history read holds the first.
        trainer.answer(noteOf(1, 4), 800, 301);
        reference.record(given(noteOf(1, 4), noteOf(1, 4), 800));
        history.push_back(given(noteOf(1, 4), noteOf(1, 4), 800));
        const CourseQuestion second = trainer.question();
        trainer.answer(second.note + 1, 800, 302);
        reference.record(given(second.note, second.note + 1, 800));
        trainer.takeHistory(history, 301);
        compareCourses(trainer.course(), reference);
        QCOMPARE(trainer.course().answerCount(), 302LL);

        // A stored note that is no question of an unlocked class is drawn afresh.
        for (const int stored : {-1, 10, 127, noteOf(11, 3)}) {
            AdaptiveTrainer restored;
            restored.restore({stored, false, QStringLiteral("zz")});
            const CourseQuestion q = restored.question();
            QVERIFY(q.noteIndex >= 0 && q.noteIndex < 2);
            QCOMPARE(classOfNote(q.note), q.noteIndex);
        }
        const StoredQuestion kept = trainer.stored();
        QCOMPARE(kept.note, trainer.question().note);
        QCOMPARE(kept.randomState, trainer.course().random().stateText());
    }

    // No history, a damaged one, or one of the twelve-level course only:
    // the course starts from what it can read and always asks a question
    // of an unlocked class within the questions' range.
    void badHistoriesNeverStopTheQuestions()
    {
        AdaptiveCourse empty;
        QCOMPARE(empty.shares()[0], 0.5);
        QCOMPARE(empty.shares()[1], 0.5);

        AdaptiveCourse damaged(3, 6);
        const std::vector<CourseAnswer> junk = {
            given(-5, 60, 100), given(300, 60, 100), given(60, -1, 100), given(60, 500, -7),
            given(127, 0, 1LL << 50), given(0, 127, 0), CourseAnswer {}};
        for (const auto &answer : junk)
            damaged.record(answer);
        QCOMPARE(damaged.answerCount(), 4LL); // the ones naming a note as their question

        AdaptiveCourse levelsOnly(2, 6);
        for (int i = 0; i < 500; ++i) {
            const int note = noteOf(i % 5, i % 7);
            levelsOnly.record(given(note, i % 5 == 4 ? note + 1 : note, 1200, false));
        }
        QCOMPARE(levelsOnly.deadlineSeconds(), 3.0);
        QCOMPARE(levelsOnly.adaptiveAnswerCount(), 0LL);
        QVERIFY(levelsOnly.unlockedCount() >= 4); // C, D, E, F were secure in it
        QVERIFY(levelsOnly.shares()[3] > 0.0);

        for (AdaptiveCourse *course : {&empty, &damaged, &levelsOnly}) {
            for (int i = 0; i < 200; ++i) {
                const CourseQuestion q = course->next();
                QVERIFY(q.noteIndex >= 0 && q.noteIndex < course->unlockedCount());
                QVERIFY(q.note >= kLowestQuestionNote && q.note <= kHighestQuestionNote);
                QCOMPARE(classOfNote(q.note), q.noteIndex);
                course->record(given(q.note, i % 3 ? q.note : q.note + 1, 1000));
            }
        }
        answerDrawn(empty, 10, 0); // a learner who knows nothing still gets questions
        QCOMPARE(empty.unlockedCount(), 2);
    }
};

QTEST_GUILESS_MAIN(CourseProgressTest)
#include "test_course_progress.moc"
