#include "test_controller.h"

#include "report_pdf.h"
#include "tone_levels.h"

#include <theory/instruments.h>
#include <theory/note_naming.h>
#include <timer.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace PitchTest {

namespace {

qint64 NowUtcMs() { return QDateTime::currentMSecsSinceEpoch(); }

QVariantList ClassList(const Figures &f)
{
    QVariantList classes;
    for (int c = 0; c < 12; ++c) {
        const auto i = static_cast<std::size_t>(c);
        classes << QVariantMap {{QStringLiteral("name"), Theory::PitchClassName(c, Theory::CurrentNoteNaming())},
                                {QStringLiteral("right"), f.rightOfClass[i]},
                                {QStringLiteral("trials"), f.trialsOfClass[i]}};
    }
    return classes;
}

QVariantList ConfusionList(const Figures &f)
{
    QVariantList rows;
    for (const auto &row : f.confusion) {
        QVariantList cells;
        for (int n : row)
            cells << n;
        rows << QVariant(cells);
    }
    return rows;
}

QVariantMap ReportMap(const FinishedTest &test)
{
    const TestReport &r = test.report;
    QVariantList rows;
    for (const ReportRow &row : ReportRows(r))
        rows << QVariantMap {{QStringLiteral("label"), row.label},
                             {QStringLiteral("piano"), row.piano},
                             {QStringLiteral("pureTone"), row.pureTone},
                             {QStringLiteral("overall"), row.overall}};
    return {
        {QStringLiteral("rows"), rows},
        {QStringLiteral("apLine"), ApLineText(r)},
        {QStringLiteral("apReached"), r.ApLineReached()},
        {QStringLiteral("overallPercent"), r.overall.classPercent},
        {QStringLiteral("keyPercent"), r.overall.keyPercent},
        {QStringLiteral("pureTonePoints"), r.pureTone.points},
        {QStringLiteral("pianoPoints"), r.piano.points},
        {QStringLiteral("chancePercent"), kChancePercent},
        {QStringLiteral("nonPossessorPercent"), kNonPossessorPercent},
        {QStringLiteral("possessorPercent"), kPossessorPercent},
        {QStringLiteral("classes"), ClassList(r.overall)},
        {QStringLiteral("confusion"), ConfusionList(r.overall)},
        {QStringLiteral("finished"), test.finishedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"))},
    };
}

} // namespace

QString NoteName(int note) { return Theory::NoteName(note, Theory::CurrentNoteNaming()); }

TestController::TestController(TestSound &testSound, std::unique_ptr<TestStore> store, QObject *parent)
    : QObject(parent), sound(testSound), testStore(std::move(store))
{
    noiseTimer.setSingleShot(true);
    connect(&noiseTimer, &QTimer::timeout, this, [this] {
        if (testRun)
            testRun->NoiseFinished();
    });
    restTimer.setInterval(1000);
    connect(&restTimer, &QTimer::timeout, this, &TestController::restTick);
    pdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pdfFolder.isEmpty() || !QDir(pdfFolder).exists())
        pdfFolder = QDir::homePath();
}

TestController::~TestController()
{
    noiseTimer.stop();
    restTimer.stop();
}

void TestController::setTrainingHooks(std::function<void()> pause, std::function<void()> resume)
{
    pauseTraining = std::move(pause);
    resumeTraining = std::move(resume);
}

QString TestController::page() const
{
    if (!opened)
        return QStringLiteral("closed");
    if (showingReport)
        return QStringLiteral("report");
    if (!testRun)
        return QStringLiteral("intro");
    switch (testRun->CurrentStage()) {
    case TestRun::Stage::Intro:
        return QStringLiteral("intro");
    case TestRun::Stage::Practice:
        return QStringLiteral("practice");
    case TestRun::Stage::Block1:
    case TestRun::Stage::Block2:
        return QStringLiteral("block");
    case TestRun::Stage::Rest:
        return QStringLiteral("rest");
    case TestRun::Stage::Report:
        return QStringLiteral("report");
    }
    return QStringLiteral("intro");
}

QString TestController::problem() const
{
    if (!runProblem.isEmpty())
        return runProblem;
    if (outputCheck && !outputCheck())
        return tr("Pure tones and the noise come from the built-in synthesiser; the output chosen plays its own "
                  "sound instead. Choose the built-in synthesiser in the settings for a test that counts.");
    return testStore ? testStore->problem() : tr("Pitch tests cannot be kept: there is no answer history.");
}

int TestController::trialNumber() const
{
    if (!testRun)
        return 0;
    if (testRun->CurrentStage() == TestRun::Stage::Practice)
        return testRun->PracticeIndex() + (listening() ? 1 : 0);
    return testRun->AnsweredCount() + (listening() ? 1 : 0);
}

int TestController::trialCount() const
{
    if (testRun && testRun->CurrentStage() == TestRun::Stage::Practice)
        return kPracticeTrials;
    return kScoredTrials;
}

int TestController::block() const
{
    if (!testRun)
        return 0;
    return BlockOfTrial(std::min(testRun->AnsweredCount(), kScoredTrials - 1)) + 1;
}

bool TestController::listening() const
{
    return testRun && testRun->CurrentStep() == TestRun::Step::Listening;
}

QVariantList TestController::finishedTests() const
{
    QVariantList list;
    if (!testStore)
        return list;
    for (const FinishedTest &t : testStore->finished()) {
        list << QVariantMap {{QStringLiteral("time"), t.finishedAt.toMSecsSinceEpoch()},
                             {QStringLiteral("pureTonePoints"), t.report.pureTone.points},
                             {QStringLiteral("pianoPoints"), t.report.piano.points},
                             {QStringLiteral("classPercent"), t.report.overall.classPercent},
                             {QStringLiteral("keyPercent"), t.report.overall.keyPercent},
                             {QStringLiteral("apReached"), t.report.ApLineReached()}};
    }
    return list;
}

bool TestController::answer(int note, const QString &source, qint64 arrivalMs)
{
    if (!opened)
        return false;
    if (testRun && listening()) {
        answerSource = source;
        testRun->Answer(note, toneStartMs >= 0 ? arrivalMs - toneStartMs : 0);
    }
    return true;
}

void TestController::open()
{
    if (opened)
        return;
    opened = true;
    showingReport = false;
    pdfText.clear();
    if (pauseTraining)
        pauseTraining();
    refreshWaiting();
    emit pageChanged();
    emit problemChanged();
}

void TestController::refreshWaiting()
{
    waiting.reset();
    if (testStore)
        waiting = testStore->unfinished();
    // Left during the practice: nothing scored to take up again.
    if (waiting && waiting->answers.empty()) {
        testStore->discard(waiting->id);
        waiting.reset();
    }
}

void TestController::start()
{
    if (!opened || testRun)
        return;
    if (waiting && testStore)
        testStore->discard(waiting->id);
    waiting.reset();
    const quint64 seed = NewSeed();
    const qint64 id = testStore ? testStore->begin(seed, NowUtcMs()) : 0;
    begin(std::make_unique<TestRun>(GeneratePlan(seed)), id);
}

void TestController::resume()
{
    if (!opened || testRun || !waiting)
        return;
    const UnfinishedTest test = *waiting;
    waiting.reset();
    begin(std::make_unique<TestRun>(GeneratePlan(test.seed), test.answers), test.id);
}

void TestController::discard()
{
    if (!opened || testRun || !waiting)
        return;
    if (testStore)
        testStore->discard(waiting->id);
    waiting.reset();
    emit pageChanged();
    emit problemChanged();
}

void TestController::begin(std::unique_ptr<TestRun> run, qint64 id)
{
    testRun = std::move(run);
    testId = id;
    runProblem = id == 0 ? problem() : QString();
    if (id == 0 && runProblem.isEmpty())
        runProblem = tr("This test is not being kept: the answer history cannot be written.");
    feedbackText.clear();
    connect(testRun.get(), &TestRun::stageChanged, this, [this](TestRun::Stage stage) {
        if (stage == TestRun::Stage::Rest) {
            restLeft = TestRun::kRestMs / 1000;
            restTimer.start();
            emit restChanged();
        }
        emit pageChanged();
        emit trialChanged();
    });
    connect(testRun.get(), &TestRun::tonePlayed, this, &TestController::playTone);
    connect(testRun.get(), &TestRun::noisePlayed, this, [this] {
        sound.playTestNoise(TestRun::kNoiseMs);
        noiseTimer.start(TestRun::kNoiseMs);
        emit trialChanged();
    });
    connect(testRun.get(), &TestRun::practiceAnswered, this, [this](int asked, int answered) {
        feedbackText = asked % 12 == answered % 12 ? tr("Right: %1").arg(NoteName(asked))
                                                   : tr("It was %1; you played %2").arg(NoteName(asked), NoteName(answered));
    });
    connect(testRun.get(), &TestRun::trialAnswered, this, &TestController::onTrialAnswered);
    connect(testRun.get(), &TestRun::finished, this, &TestController::onFinished);
    emit problemChanged();
    testRun->Start();
}

void TestController::playTone(const Trial &trial)
{
    feedbackText.clear();
    const int program = trial.timbre == Timbre::PureTone ? Core::kPureTone : Core::kDefaultProgram;
    sound.playTestTone(trial.note, program, VelocityOfLevel(trial.levelDecibels), TestRun::kToneMs);
    toneStartMs = Core::Timer::NowMs();
    emit trialChanged();
}

void TestController::onTrialAnswered(int index, const Trial &trial, const TrialAnswer &answer)
{
    if (testStore && testId > 0 && !testStore->addTrial({testId, index, trial, answer, NowUtcMs(), answerSource})) {
        runProblem = tr("Answers wait to be kept: the answer history cannot be written just now.");
        emit problemChanged();
    }
}

void TestController::onFinished(const TestReport &report)
{
    const qint64 finishedAt = NowUtcMs();
    if (testStore && testId > 0)
        testStore->finish(testId, finishedAt);
    FinishedTest test;
    test.id = testId;
    test.finishedAt = QDateTime::fromMSecsSinceEpoch(finishedAt, Qt::UTC);
    test.seed = testRun->Plan().seed;
    test.report = report;
    lastFinished = test;
    reportMap = ReportMap(test);
    showingReport = true;
    pdfText.clear();
    emit reportChanged();
    emit pageChanged();
    emit finishedTestsChanged();
    // The run ends with its report; the noise after the last answer is over.
    QTimer::singleShot(0, this, [this] { endRun(); });
}

void TestController::endRun()
{
    noiseTimer.stop();
    restTimer.stop();
    if (testRun) {
        testRun->disconnect(this);
        testRun.release()->deleteLater();
    }
    toneStartMs = -1;
}

void TestController::leave()
{
    if (!opened)
        return;
    sound.stopTestSound();
    endRun();
    opened = false;
    showingReport = false;
    feedbackText.clear();
    runProblem.clear();
    emit pageChanged();
    emit trialChanged();
    if (resumeTraining)
        resumeTraining();
}

void TestController::skipRest()
{
    if (testRun && testRun->CurrentStage() == TestRun::Stage::Rest) {
        restTimer.stop();
        testRun->RestFinished();
    }
}

void TestController::restTick()
{
    restLeft = std::max(0, restLeft - 1);
    emit restChanged();
    if (restLeft == 0)
        skipRest();
}

void TestController::printPdf(const QString &path)
{
    if (!lastFinished) {
        pdfText = tr("There is no report to print yet.");
        emit reportChanged();
        return;
    }
    QString file = path;
    if (file.startsWith(QLatin1String("file:")))
        file = QUrl(file).toLocalFile();
    if (file.isEmpty())
        file = QDir(pdfFolder).filePath(
            QStringLiteral("pitch-test-%1.pdf")
                .arg(lastFinished->finishedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd-hhmm"))));
    const QString failure = WriteReportPdf(*lastFinished, file);
    pdfText = failure.isEmpty() ? tr("Saved to %1").arg(QDir::toNativeSeparators(file)) : failure;
    emit reportChanged();
}

} // namespace PitchTest
