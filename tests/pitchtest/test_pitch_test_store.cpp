// Pitch tests kept in the answer history's file: a test broken off is taken
// up again at its next trial and scored from what was kept; a file from an
// older program gains the tables, a newer or damaged one is reported in a
// line; a history set aside gives its finished tests to the new one; a write that cannot get in is held, in order, not lost.

#include <answer_history.h>
#include <pitchtest/test_run.h>
#include <pitchtest/test_store.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace PitchTest;

namespace {

StoredTrial Kept(qint64 testId, int index, const Trial &trial, const TrialAnswer &answer)
{
    return {testId, index, trial, answer, 1700000000000 + index * 4000, QStringLiteral("screen keyboard")};
}

// Runs SQL on a connection of the test's own.
bool Sql(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-sql"));
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &s : statements)
            ok = ok && QSqlQuery(db).exec(s);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-sql"));
    return ok;
}

} // namespace

class TestPitchTestStore : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        path = dir.filePath(QStringLiteral("history.sqlite"));
    }
    void cleanup() { QFile::remove(path); }
    void brokenOffTestResumesAndScoresFromWhatWasKept();
    void olderHistoryGainsTheTablesAndKeepsItsAnswers();
    void newerOrDamagedTablesAreReportedInOneLine();
    void writesThatCannotGetInAreHeldInOrder();

private:
    QTemporaryDir dir;
    QString path;
};

void TestPitchTestStore::brokenOffTestResumesAndScoresFromWhatWasKept()
{
    { AnswerHistory history(path); QVERIFY(history.recording()); }
    const quint64 seed = 4242;
    qint64 id = 0;
    {
        TestStore store(path, AnswerHistory::kSchemaVersion);
        QVERIFY2(store.usable(), qPrintable(store.problem()));
        QVERIFY(!store.unfinished());
        id = store.begin(seed, 1700000000000);
        QVERIFY(id > 0);
        TestRun run(GeneratePlan(seed));
        QObject::connect(&run, &TestRun::trialAnswered, [&](int index, const Trial &t, const TrialAnswer &a) {
            QVERIFY(store.addTrial(Kept(id, index, t, a)));
        });
        run.Start();
        while (run.AnsweredCount() < 10) {
            run.Answer(run.CurrentTrial().note + (run.AnsweredCount() % 3 == 0 ? 1 : 0), 900 + run.AnsweredCount());
            run.NoiseFinished();
        }
        QVERIFY(store.finished().empty()); // never scored unfinished
    } // the program ends here

    TestStore store(path, AnswerHistory::kSchemaVersion);
    const auto open = store.unfinished();
    QVERIFY(open);
    QCOMPARE(open->id, id);
    QCOMPARE(open->seed, seed);
    QCOMPARE(int(open->answers.size()), 10);
    QCOMPARE(open->answers[3].answerNote, GeneratePlan(seed).scored[3].note + 1);
    QCOMPARE(open->answers[4].reactionMs, qint64(904));

    TestRun run(GeneratePlan(open->seed), open->answers);
    QObject::connect(&run, &TestRun::trialAnswered, [&](int index, const Trial &t, const TrialAnswer &a) {
        QVERIFY(store.addTrial(Kept(id, index, t, a)));
    });
    run.Start();
    QCOMPARE(run.CurrentTrial().note, GeneratePlan(seed).scored[10].note);
    while (run.CurrentStage() != TestRun::Stage::Report) {
        if (run.CurrentStage() == TestRun::Stage::Rest)
            run.RestFinished();
        run.Answer(run.CurrentTrial().note - 12, 2500);
        run.NoiseFinished();
    }
    QVERIFY(store.finish(id, 1700000900000));
    QVERIFY(!store.unfinished());

    const std::vector<FinishedTest> kept = store.finished();
    QCOMPARE(int(kept.size()), 1);
    const TestReport &stored = kept[0].report, live = run.Report();
    QCOMPARE(stored.overall.points, live.overall.points);
    QCOMPARE(stored.overall.keyPercent, live.overall.keyPercent);
    QCOMPARE(stored.pureTone.confusion, live.pureTone.confusion);
    QCOMPARE(stored.overall.medianReactionMs, live.overall.medianReactionMs);
    QCOMPARE(kept[0].finishedAt.toMSecsSinceEpoch(), qint64(1700000900000));
    // 72 − 4 semitone-sharp answers among the first 10; the rest an octave low.
    QCOMPARE(stored.overall.rightClass, 72 - 4);

    // A second test broken off and discarded is neither offered nor scored.
    const qint64 second = store.begin(seed + 1, 1700001000000);
    QVERIFY(store.addTrial(Kept(second, 0, GeneratePlan(seed + 1).scored[0], {60, 1000})));
    QCOMPARE(store.unfinished()->id, second);
    QVERIFY(store.discard(second));
    QVERIFY(!store.unfinished());
    QCOMPARE(int(store.finished().size()), 1);
    int rows = 0;
    QVERIFY(store.forEachTrial([&](const StoredTrial &t) { rows += t.testId == id ? 1 : 1000; }));
    QCOMPARE(rows, 72);

    // The file set aside and recovered into a new history: the finished test
    // comes along with its trials and its score, once; the discarded one and
    // one still under way stay behind.
    const qint64 third = store.begin(seed + 2, 1700002000000);
    QVERIFY(store.addTrial(Kept(third, 0, GeneratePlan(seed + 2).scored[0], {60, 1000})));
    const QString newer = dir.filePath(QStringLiteral("new.sqlite"));
    { AnswerHistory history(newer); QVERIFY(history.recording()); }
    const AnswerHistory::Recovered recovered = AnswerHistory::recoverInto(path, newer);
    QVERIFY2(recovered.problem.isEmpty(), qPrintable(recovered.problem));
    QCOMPARE(recovered.pitchTests, 1);
    QCOMPARE(AnswerHistory::recoverInto(path + QStringLiteral(".recovered"), newer).pitchTests, 0);
    TestStore inNew(newer, AnswerHistory::kSchemaVersion);
    QVERIFY(!inNew.unfinished());
    const std::vector<FinishedTest> moved = inNew.finished();
    QCOMPARE(int(moved.size()), 1);
    QCOMPARE(moved[0].seed, seed);
    QCOMPARE(moved[0].report.overall.points, stored.overall.points);
    QCOMPARE(moved[0].report.pureTone.confusion, stored.pureTone.confusion);
    QCOMPARE(moved[0].finishedAt.toMSecsSinceEpoch(), qint64(1700000900000));
    QVERIFY(inNew.problem().isEmpty());
}

void TestPitchTestStore::olderHistoryGainsTheTablesAndKeepsItsAnswers()
{
    // The first history's file, with one answer in it.
    QVERIFY(Sql(path, {QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
                       QStringLiteral("INSERT INTO schema_version VALUES (1)"),
                       QStringLiteral("CREATE TABLE answers (id INTEGER PRIMARY KEY, time_utc_ms INTEGER NOT NULL,"
                                      " level INTEGER NOT NULL, question_index INTEGER NOT NULL, question_note INTEGER"
                                      " NOT NULL, answer_note INTEGER NOT NULL, correct INTEGER NOT NULL, source TEXT"
                                      " NOT NULL, reaction_ms INTEGER, during_note INTEGER NOT NULL, replays INTEGER"
                                      " NOT NULL)"),
                       QStringLiteral("INSERT INTO answers VALUES (1, 5, 2, 3, 60, 62, 0, 'screen keyboard', 700, 1, 0)")}));
    TestStore before(path, AnswerHistory::kSchemaVersion);
    QVERIFY(!before.usable()); // no tables until the history brings the file up
    QCOMPARE(before.problem(), QString()); // and nothing wrong with it either
    QVERIFY(before.finished().empty());
    {
        AnswerHistory history(path);
        QVERIFY(history.recording());
        QCOMPARE(history.count(), 1);
    }
    TestStore store(path, AnswerHistory::kSchemaVersion);
    QVERIFY2(store.usable(), qPrintable(store.problem()));
    QVERIFY(store.begin(1, 2) > 0);
}

void TestPitchTestStore::newerOrDamagedTablesAreReportedInOneLine()
{
    { AnswerHistory history(path); }
    {
        TestStore store(path, AnswerHistory::kSchemaVersion - 1);
        QVERIFY(!store.usable());
        QVERIFY(store.problem().contains(QStringLiteral("newer version")));
        QCOMPARE(store.begin(1, 2), qint64(0));
        QVERIFY(!store.unfinished());
    }
    qint64 id = 0;
    {
        TestStore store(path, AnswerHistory::kSchemaVersion);
        id = store.begin(77, 1);
        // A row that is not the seed's trial: the test is left out, said once.
        QVERIFY(store.addTrial(Kept(id, 0, {GeneratePlan(77).scored[0].note + 1, Timbre::Piano, -1}, {60, 1})));
        QVERIFY(!store.unfinished());
        QVERIFY(store.problem().contains(QStringLiteral("cannot be read")));
        QVERIFY(!store.problem().contains(QLatin1Char('\n')));
        QVERIFY(store.begin(78, 2) > 0); // a new test can still be kept
    }
    QVERIFY(Sql(path, {QStringLiteral("DROP TABLE pitch_test_trials")}));
    TestStore store(path, AnswerHistory::kSchemaVersion);
    QVERIFY(!store.usable());
    QVERIFY(store.problem().contains(QStringLiteral("training is not affected")));
    AnswerHistory history(path); // training's answers still go in
    QVERIFY(history.recording());
    AnswerRecord answer;
    answer.source = QStringLiteral("screen keyboard");
    QVERIFY(history.append(answer) > 0);
}

void TestPitchTestStore::writesThatCannotGetInAreHeldInOrder()
{
    { AnswerHistory history(path); }
    TestStore store(path, AnswerHistory::kSchemaVersion);
    const qint64 id = store.begin(5, 1);
    const TestPlan plan = GeneratePlan(5);
    QVERIFY(store.addTrial(Kept(id, 0, plan.scored[0], {50, 1000})));

    // Another program holds the write lock.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
    other.setDatabaseName(path);
    QVERIFY(other.open());
    QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
    QVERIFY(!store.addTrial(Kept(id, 1, plan.scored[1], {51, 1001})));
    QVERIFY(!store.addTrial(Kept(id, 2, plan.scored[2], {52, 1002})));
    QCOMPARE(store.heldCount(), 2);
    QVERIFY(QSqlQuery(other).exec(QStringLiteral("COMMIT")));
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("locker"));

    QVERIFY(store.addTrial(Kept(id, 3, plan.scored[3], {53, 1003})));
    QCOMPARE(store.heldCount(), 0);
    const auto open = store.unfinished();
    QVERIFY(open);
    QCOMPARE(int(open->answers.size()), 4);
    QCOMPARE(open->answers[2].answerNote, 52);
}

QTEST_MAIN(TestPitchTestStore)
#include "test_pitch_test_store.moc"
