// The pitch test without a window: scripted listeners take whole tests, and
// their reports must come out as the scoring rules say; generated orders
// must keep every rule; the course must ignore what arrives out of turn.

#include <pitchtest/report_pdf.h>
#include <pitchtest/test_run.h>
#include <pitchtest/tone_levels.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <random>
#include <set>

using namespace PitchTest;

namespace {

using Responder = std::function<int(const Trial &)>;

// Takes a whole test as the responder answers, skipping the rest; every
// reaction time is 1.5 s unless the responder's trial says otherwise.
TestReport TakeTest(quint64 seed, const Responder &respond, qint64 reactionMs = 1500)
{
    TestRun run(GeneratePlan(seed));
    TestReport report;
    bool done = false;
    QObject::connect(&run, &TestRun::finished, [&](const TestReport &r) { report = r, done = true; });
    run.Start();
    for (int guard = 0; !done && guard < 200; ++guard) {
        if (run.CurrentStage() == TestRun::Stage::Rest) {
            run.RestFinished();
            continue;
        }
        run.Answer(respond(run.CurrentTrial()), reactionMs);
        run.NoiseFinished();
    }
    return report;
}

// The rules, written out again on their own, apart from the generator's.
QString FirstBrokenRule(const std::vector<int> &notes)
{
    for (std::size_t i = 1; i < notes.size(); ++i) {
        const int a = notes[i - 1], b = notes[i];
        if (std::abs(a - b) <= 12)
            return QStringLiteral("%1 then %2: an octave or less apart").arg(a).arg(b);
        const int d = ((b - a) % 12 + 12) % 12;
        if (d == 1 || d == 11)
            return QStringLiteral("%1 then %2: a semitone apart ignoring octaves").arg(a).arg(b);
        if (i >= 2 && notes[i - 2] % 12 == a % 12 && a % 12 == b % 12)
            return QStringLiteral("pitch class of %1 three times in a row").arg(b);
    }
    return QString();
}

} // namespace

class TestPitchTest : public QObject {
    Q_OBJECT
private slots:
    void scriptedListenersScoreAsTheRulesSay();
    void randomAnswersScoreNearChance();
    void generatedOrdersKeepEveryRule();
    void reportCountsConfusionsClassesAndTimes();
    void answersOutOfTurnAreIgnored();
    void resumedTestContinuesAtItsNextTrial();
    void reportPrintsToOnePdfPage();
    void testsListForTheTerminal();
};

void TestPitchTest::scriptedListenersScoreAsTheRulesSay()
{
    const TestReport right = TakeTest(7, [](const Trial &t) { return t.note; });
    for (const Figures *f : {&right.piano, &right.pureTone}) {
        QCOMPARE(f->trials, 36);
        QCOMPARE(f->classPercent, 100.0);
        QCOMPARE(f->keyPercent, 100.0);
        QCOMPARE(f->points, 36.0);
        QCOMPARE(f->meanCircularError, 0.0);
    }
    QCOMPARE(right.overall.trials, 72);
    QVERIFY(right.ApLineReached());

    // A semitone sharp, on the key above; B answered with the C above it.
    const TestReport sharp = TakeTest(8, [](const Trial &t) { return t.note + 1; });
    for (const Figures *f : {&sharp.piano, &sharp.pureTone, &sharp.overall}) {
        QCOMPARE(f->classPercent, 0.0);
        QCOMPARE(f->keyPercent, 0.0);
        QCOMPARE(f->bias, 1.0);
        QCOMPARE(f->meanCircularError, 1.0);
    }
    QCOMPARE(sharp.pureTone.points, 27.0);
    QCOMPARE(sharp.piano.points, 27.0);
    QVERIFY(sharp.ApLineReached()); // 27 ≥ 24.5: semitone credit is the protocol's

    const TestReport flat = TakeTest(9, [](const Trial &t) { return t.note - 1; });
    QCOMPARE(flat.overall.bias, -1.0);

    // An octave off either way: every class right, no key right.
    const TestReport octave = TakeTest(10, [](const Trial &t) { return t.note + (t.note % 2 ? 12 : -12); });
    QCOMPARE(octave.overall.classPercent, 100.0);
    QCOMPARE(octave.overall.keyPercent, 0.0);
    QCOMPARE(octave.pureTone.points, 36.0);

    // A tritone has no direction: it weighs 6 in the error and nothing in the bias.
    const TestReport tritone = TakeTest(11, [](const Trial &t) { return t.note + 6; });
    QCOMPARE(tritone.overall.meanCircularError, 6.0);
    QCOMPARE(tritone.overall.bias, 0.0);
    QCOMPARE(tritone.overall.points, 0.0);
    QVERIFY(!tritone.ApLineReached());
}

void TestPitchTest::randomAnswersScoreNearChance()
{
    std::mt19937 guess(1);
    const Responder anyKey = [&](const Trial &) { return 21 + int(guess() % 88); };
    const TestReport report = TakeTest(12, anyKey);
    QVERIFY2(report.overall.classPercent >= 4.0 && report.overall.classPercent <= 13.0,
             qPrintable(QString::number(report.overall.classPercent)));
    QVERIFY(!report.ApLineReached());
    // Over many tests guessing comes to chance (1 in 12) and a mean error
    // of 3 semitones (0..6 with 0 and 6 half as likely), without a bias.
    double percent = 0.0, error = 0.0, bias = 0.0;
    const int tests = 200;
    for (int seed = 0; seed < tests; ++seed) {
        const TestReport r = TakeTest(1000 + quint64(seed), anyKey);
        percent += r.overall.classPercent / tests;
        error += r.overall.meanCircularError / tests;
        bias += r.overall.bias / tests;
    }
    QVERIFY2(std::abs(percent - 100.0 / 12) < 1.0, qPrintable(QString::number(percent)));
    QVERIFY2(std::abs(error - 3.0) < 0.1, qPrintable(QString::number(error)));
    QVERIFY2(std::abs(bias) < 0.15, qPrintable(QString::number(bias)));
}

void TestPitchTest::generatedOrdersKeepEveryRule()
{
    std::set<int> allKeys;
    for (int n = kLowestNote; n <= kHighestNote; ++n)
        allKeys.insert(n);
    std::set<std::vector<int>> distinct;
    for (quint64 seed = 1; seed <= 10000; ++seed) {
        const TestPlan plan = GeneratePlan(seed * 0x9E3779B97F4A7C15ull);
        QCOMPARE(int(plan.practice.size()), kPracticeTrials);
        QCOMPARE(int(plan.scored.size()), kScoredTrials);
        std::vector<int> notes;
        for (const Trial &t : plan.practice)
            notes.push_back(t.note);
        for (int block = 0; block < kBlocks; ++block) {
            std::set<int> keys;
            std::set<Timbre> timbres;
            for (int i = block * 36; i < block * 36 + 36; ++i) {
                const Trial &t = plan.scored[std::size_t(i)];
                keys.insert(t.note);
                timbres.insert(t.timbre);
                notes.push_back(t.note);
                QVERIFY(t.levelDecibels == -1 || t.levelDecibels == -4 || t.levelDecibels == -7);
            }
            QVERIFY2(keys == allKeys, "every key C3-B5 once per block");
            QCOMPARE(int(timbres.size()), 1);
        }
        QVERIFY(plan.scored.front().timbre != plan.scored.back().timbre);
        const QString broken = FirstBrokenRule(notes);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(broken)));
        if (seed <= 200)
            distinct.insert(std::vector<int>(notes.begin() + kPracticeTrials, notes.end()));
    }
    QCOMPARE(int(distinct.size()), 200);

    // A seed is the whole test: the same seed, the same tones, levels and timbres.
    const TestPlan a = GeneratePlan(42), b = GeneratePlan(42);
    for (int i = 0; i < kScoredTrials; ++i) {
        QCOMPARE(a.scored[std::size_t(i)].note, b.scored[std::size_t(i)].note);
        QCOMPARE(a.scored[std::size_t(i)].levelDecibels, b.scored[std::size_t(i)].levelDecibels);
        QVERIFY(a.scored[std::size_t(i)].timbre == b.scored[std::size_t(i)].timbre);
    }
    // All three levels turn up, at a rate near a third each.
    std::map<int, int> levels;
    for (const Trial &t : a.scored)
        ++levels[t.levelDecibels];
    QCOMPARE(int(levels.size()), 3);
    QCOMPARE(VelocityOfLevel(-4), kToneLevels[1].velocity);
}

void TestPitchTest::reportCountsConfusionsClassesAndTimes()
{
    // C answered as D, everything else right; reaction times grow by trial.
    std::vector<AnsweredTrial> trials;
    const TestPlan plan = GeneratePlan(99);
    for (int i = 0; i < kScoredTrials; ++i) {
        const Trial &t = plan.scored[std::size_t(i)];
        trials.push_back({t, {t.note % 12 == 0 ? t.note + 2 : t.note, 1000 + 100 * i}});
    }
    const TestReport r = Score(trials);
    QCOMPARE(r.overall.confusion[0][2], 6);
    QCOMPARE(r.overall.confusion[0][0], 0);
    QCOMPARE(r.overall.confusion[5][5], 6);
    QCOMPARE(r.overall.rightOfClass[0], 0);
    QCOMPARE(r.overall.trialsOfClass[0], 6);
    QCOMPARE(r.piano.trialsOfClass[0], 3);
    int total = 0;
    for (const auto &row : r.overall.confusion)
        for (int n : row)
            total += n;
    QCOMPARE(total, 72);
    QCOMPARE(r.overall.rightClass, 66);
    QCOMPARE(r.overall.points, 66.0);
    QCOMPARE(r.overall.bias, 12.0 / 72);
    // 72 times 1000 + 100 i: the median lies between the 36th and 37th.
    QCOMPARE(r.overall.medianReactionMs, qint64(1000 + (3500 + 3600) / 2));
    // Within 2.0 s: trials 0..10, of which those not asking C are right.
    int fast = 0;
    for (int i = 0; i <= 10; ++i)
        fast += plan.scored[std::size_t(i)].note % 12 != 0;
    QCOMPARE(r.overall.fastRightPercent, 100.0 * fast / 66);

    const std::vector<ReportRow> rows = ReportRows(r);
    QVERIFY(rows.size() >= 7);
    QCOMPARE(rows[2].pureTone, QStringLiteral("33.00 / 36"));
    QVERIFY(ApLineText(r).endsWith(QStringLiteral(": reached")));
}

void TestPitchTest::answersOutOfTurnAreIgnored()
{
    TestRun run(GeneratePlan(5));
    QSignalSpy stages(&run, &TestRun::stageChanged);
    QSignalSpy tones(&run, &TestRun::tonePlayed);
    QSignalSpy practice(&run, &TestRun::practiceAnswered);
    QSignalSpy kept(&run, &TestRun::trialAnswered);
    QSignalSpy finished(&run, &TestRun::finished);

    QVERIFY(!run.Answer(60, 10)); // the intro asks nothing
    run.Start();
    QCOMPARE(run.CurrentStage(), TestRun::Stage::Practice);
    for (int i = 0; i < kPracticeTrials; ++i) {
        const int asked = run.CurrentTrial().note;
        QVERIFY(run.Answer(asked + 1, 800));
        // The rest of a chord, and keys during the noise: not taken.
        QVERIFY(!run.Answer(asked + 4, 801));
        QVERIFY(!run.Answer(asked, 900));
        QCOMPARE(practice.last().at(0).toInt(), asked);
        QCOMPARE(practice.last().at(1).toInt(), asked + 1);
        run.NoiseFinished();
        run.NoiseFinished(); // a late second end of noise plays nothing more
    }
    QCOMPARE(practice.count(), kPracticeTrials);
    QCOMPARE(kept.count(), 0); // practice is not scored
    QCOMPARE(run.CurrentStage(), TestRun::Stage::Block1);

    for (int i = 0; i < 36; ++i) {
        QVERIFY(run.Answer(run.CurrentTrial().note, 1200));
        QVERIFY(!run.Answer(50, 1201));
        run.RestFinished(); // no rest to finish mid-block
        QCOMPARE(run.CurrentStage(), TestRun::Stage::Block1);
        run.NoiseFinished();
    }
    QCOMPARE(run.CurrentStage(), TestRun::Stage::Rest);
    QVERIFY(!run.Answer(60, 10)); // nothing asked during the rest
    QCOMPARE(kept.count(), 36);
    const int tonesBeforeRest = tones.count();
    run.RestFinished();
    QCOMPARE(run.CurrentStage(), TestRun::Stage::Block2);
    QCOMPARE(tones.count(), tonesBeforeRest + 1);
    QSignalSpy noise(&run, &TestRun::noisePlayed);
    for (int i = 0; i < 36; ++i) {
        QCOMPARE(kept.count(), 36 + i);
        QVERIFY(run.Answer(run.CurrentTrial().note, 1200));
        QCOMPARE(kept.last().at(0).toInt(), 36 + i);
        if (i < 35)
            run.NoiseFinished();
    }
    // The last answer shows the report at once: no noise, no tone to mask.
    QCOMPARE(noise.count(), 35);
    QCOMPARE(run.CurrentStage(), TestRun::Stage::Report);
    run.NoiseFinished();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!run.Answer(60, 10));
    QCOMPARE(kept.count(), 72);
    QCOMPARE(tones.count(), kPracticeTrials + 72);
    QCOMPARE(stages.count(), 5); // practice, block 1, rest, block 2, report
    QCOMPARE(run.Report().overall.classPercent, 100.0);
}

void TestPitchTest::resumedTestContinuesAtItsNextTrial()
{
    const TestPlan plan = GeneratePlan(77);
    std::vector<TrialAnswer> earlier;
    for (int i = 0; i < 10; ++i)
        earlier.push_back({plan.scored[std::size_t(i)].note, 1000});
    TestRun run(plan, earlier);
    QSignalSpy tones(&run, &TestRun::tonePlayed);
    QSignalSpy kept(&run, &TestRun::trialAnswered);
    run.Start();
    QCOMPARE(run.CurrentStage(), TestRun::Stage::Block1); // no practice again
    QCOMPARE(tones.count(), 1);
    QCOMPARE(tones.first().at(0).value<Trial>().note, plan.scored[10].note);
    QVERIFY(run.Answer(plan.scored[10].note + 1, 1000));
    QCOMPARE(kept.first().at(0).toInt(), 10);
    QCOMPARE(run.AnsweredTrials().size(), std::size_t(11));

    // Stopped right after the first block: the second comes next, no rest.
    std::vector<TrialAnswer> oneBlock(36, {60, 1000});
    TestRun second(plan, oneBlock);
    second.Start();
    QCOMPARE(second.CurrentStage(), TestRun::Stage::Block2);
    QCOMPARE(second.CurrentTrial().note, plan.scored[36].note);
}

void TestPitchTest::reportPrintsToOnePdfPage()
{
    QTemporaryDir dir;
    FinishedTest test;
    test.finishedAt = QDateTime(QDate(2026, 3, 1), QTime(10, 30));
    test.seed = 1234;
    test.report = TakeTest(3, [](const Trial &t) { return t.note + 1; });
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QCOMPARE(WriteReportPdf(test, path), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    QVERIFY(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")); // A4 in points

    // A folder that does not exist: a line that names the file, and no file.
    const QString nowhere = dir.filePath(QStringLiteral("missing/report.pdf"));
    const QString problem = WriteReportPdf(test, nowhere);
    QVERIFY(problem.contains(QStringLiteral("report.pdf")));
    QVERIFY(!QFile::exists(nowhere));
}

void TestPitchTest::testsListForTheTerminal()
{
    QCOMPARE(TestsListText({}), QStringLiteral("No pitch test finished yet.\n"));
    FinishedTest a, b;
    a.finishedAt = QDateTime(QDate(2026, 3, 1), QTime(10, 30));
    a.report = TakeTest(1, [](const Trial &t) { return t.note; });
    b.finishedAt = a.finishedAt.addDays(7);
    b.report = TakeTest(2, [](const Trial &t) { return t.note + 1; });
    const QStringList lines = TestsListText({a, b}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[1].contains(QStringLiteral("36.00")));
    QVERIFY(lines[1].contains(QStringLiteral("100.0 %")));
    QVERIFY(lines[2].contains(QStringLiteral("27.00")));
    QVERIFY(lines[2].endsWith(QStringLiteral("reached")));
}

QTEST_MAIN(TestPitchTest)
#include "test_pitch_test.moc"
