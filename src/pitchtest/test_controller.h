#pragma once

#include "test_run.h"
#include "test_store.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

namespace PitchTest {

// What a test needs of the sound output: tones in a timbre at a velocity,
// brown noise, and silence. Each plays for the given time and then stops.
class TestSound {
public:
    virtual ~TestSound() = default;
    virtual void playTestTone(int note, int program, int velocity, int milliseconds) = 0;
    virtual void playTestNoise(int milliseconds) = 0;
    virtual void stopTestSound() = 0;
};

// The pitch test as the window sees it: the page to show and what is on
// it, and what the user can do. It takes every answer while it is open
// (training waits meanwhile, paused through `pauseTraining` and resumed
// through `resumeTraining` as it was), keeps each scored trial at once and
// scores a test only when all its trials are in.
class TestController : public QObject {
    Q_OBJECT
    // "closed", "intro", "practice", "block", "rest" or "report".
    Q_PROPERTY(QString page READ page NOTIFY pageChanged)
    Q_PROPERTY(bool isOpen READ isOpen NOTIFY pageChanged)
    // One line when tests cannot be kept or read; empty while all is well.
    Q_PROPERTY(QString problem READ problem NOTIFY problemChanged)
    // A test broken off waits to be taken up again (answered: its scored trials).
    Q_PROPERTY(bool resumable READ resumable NOTIFY pageChanged)
    Q_PROPERTY(int resumableAnswered READ resumableAnswered NOTIFY pageChanged)
    // The tone in hand: practice 1..4, or the scored trial 1..72 and its block 1..2.
    Q_PROPERTY(int trialNumber READ trialNumber NOTIFY trialChanged)
    Q_PROPERTY(int trialCount READ trialCount NOTIFY trialChanged)
    Q_PROPERTY(int block READ block NOTIFY trialChanged)
    // A tone has been played and no answer taken yet.
    Q_PROPERTY(bool listening READ listening NOTIFY trialChanged)
    // After a practice answer: the right key, and whether it was found.
    Q_PROPERTY(QString feedback READ feedback NOTIFY trialChanged)
    Q_PROPERTY(int restSecondsLeft READ restSecondsLeft NOTIFY restChanged)
    // The figures of the report page (see reportMap).
    Q_PROPERTY(QVariantMap report READ report NOTIFY reportChanged)
    // What printing to PDF said: where it went, or why it did not.
    Q_PROPERTY(QString pdfMessage READ pdfMessage NOTIFY reportChanged)
    // Every finished test, oldest first, for the statistics window.
    Q_PROPERTY(QVariantList finishedTests READ finishedTests NOTIFY finishedTestsChanged)

public:
    TestController(TestSound &sound, std::unique_ptr<TestStore> store, QObject *parent = nullptr);
    ~TestController() override;

    void setTrainingHooks(std::function<void()> pause, std::function<void()> resume);
    // Whether the tones go to the built-in synthesiser, the only output
    // with the pure tone and the noise; asked each time the test opens.
    void setOutputCheck(std::function<bool()> playsBuiltIn) { outputCheck = std::move(playsBuiltIn); }
    // Where the report's PDF goes by default (a folder).
    void setPdfFolder(const QString &folder) { pdfFolder = folder; }

    QString page() const;
    bool isOpen() const { return opened; }
    QString problem() const;
    bool resumable() const { return waiting.has_value(); }
    int resumableAnswered() const { return waiting ? static_cast<int>(waiting->answers.size()) : 0; }
    int trialNumber() const;
    int trialCount() const;
    int block() const;
    bool listening() const;
    QString feedback() const { return feedbackText; }
    int restSecondsLeft() const { return restLeft; }
    QVariantMap report() const { return reportMap; }
    QString pdfMessage() const { return pdfText; }
    QVariantList finishedTests() const;
    const TestRun *run() const { return testRun.get(); }
    TestStore *store() const { return testStore.get(); }

    // An answer from any source while the test is open; true when the test
    // took it from training (it may still ignore it: out of turn).
    // `arrivalMs` and the tone's start are on Core::Timer::NowMs()'s clock.
    bool answer(int note, const QString &source, qint64 arrivalMs);

public slots:
    // Shows the first page (Ctrl+T, the header button); training pauses.
    void open();
    // "Start": a new test (an unfinished one is discarded first), or
    void start();
    // "Resume": the test broken off, at its next trial.
    void resume();
    // "Discard": the test broken off is set aside, never scored.
    void discard();
    // Escape or "Leave": back to training; a test under way can be resumed.
    void leave();
    void skipRest();
    // Writes the report to `path` (a file path or file URL); empty: a file
    // named after the test's date in the PDF folder.
    void printPdf(const QString &path = QString());

signals:
    void pageChanged();
    void problemChanged();
    void trialChanged();
    void restChanged();
    void reportChanged();
    void finishedTestsChanged();

private:
    void begin(std::unique_ptr<TestRun> run, qint64 testId);
    void playTone(const Trial &trial);
    void onTrialAnswered(int index, const Trial &trial, const TrialAnswer &answer);
    void onFinished(const TestReport &report);
    void endRun();
    void refreshWaiting();
    void restTick();

    TestSound &sound;
    std::unique_ptr<TestStore> testStore;
    std::unique_ptr<TestRun> testRun;
    std::optional<UnfinishedTest> waiting;
    std::function<void()> pauseTraining, resumeTraining;
    std::function<bool()> outputCheck;
    bool opened = false;
    bool showingReport = false;
    qint64 testId = 0;
    qint64 toneStartMs = -1;
    QString answerSource;
    QString feedbackText;
    QTimer noiseTimer;
    QTimer restTimer;
    int restLeft = 0;
    QVariantMap reportMap;
    std::optional<FinishedTest> lastFinished;
    QString pdfText;
    QString pdfFolder;
    QString runProblem;
};

// The note as the learner names notes everywhere: "C♯4", "H3", "Sol♯4".
QString NoteName(int note);

} // namespace PitchTest
