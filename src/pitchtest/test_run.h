#pragma once

#include "test_scoring.h"
#include "trial_order.h"

#include <QObject>

#include <vector>

namespace PitchTest {

// The course of one test, without a window and without a clock: whoever
// drives it plays what it asks for and tells it when a tone became
// audible, when an answer came, when the noise after an answer and the
// rest between the blocks are over.
//
// Intro → Practice (feedback after each answer) → Block 1 → Rest (30 s, may
// be skipped) → Block 2 → Report. After each answer but the last brown
// noise plays (the last goes straight to the report); an
// answer during the noise, the rest or before a tone is ignored, so of a
// chord only the first note-on answers.
class TestRun : public QObject {
    Q_OBJECT
public:
    enum class Stage { Intro, Practice, Block1, Rest, Block2, Report };
    Q_ENUM(Stage)
    enum class Step { Waiting, Listening, Noise };

    static constexpr int kToneMs = 1000;
    static constexpr int kNoiseMs = 2000;
    static constexpr int kRestMs = 30000;

    // A test taken up again starts at its first trial not yet answered;
    // `answered` holds the stored answers of the scored trials so far.
    explicit TestRun(TestPlan plan, std::vector<TrialAnswer> answered = {}, QObject *parent = nullptr);

    const TestPlan &Plan() const { return plan; }
    Stage CurrentStage() const { return stage; }
    Step CurrentStep() const { return step; }
    bool IsResumed() const { return resumed; }
    // Scored trials answered so far.
    int AnsweredCount() const { return static_cast<int>(answers.size()); }
    // The trial playing or about to play; practice trials come first.
    const Trial &CurrentTrial() const;
    int PracticeIndex() const { return practiceIndex; }

    // Leaves the intro: practice for a new test, the next trial for one
    // taken up again.
    void Start();
    // Takes an answer to the tone playing; false when it is not taken.
    bool Answer(int note, qint64 reactionMs);
    // The noise after an answer is over: the next tone, the rest or the report.
    void NoiseFinished();
    // The rest is over or skipped.
    void RestFinished();

    TestReport Report() const;
    std::vector<AnsweredTrial> AnsweredTrials() const;

signals:
    void stageChanged(PitchTest::TestRun::Stage stage);
    // Play this tone now (kToneMs long) and measure reaction time from when it sounds.
    void tonePlayed(const PitchTest::Trial &trial);
    // Play kNoiseMs of brown noise; call NoiseFinished after it.
    void noisePlayed();
    // A practice answer, for the feedback shown over the noise.
    void practiceAnswered(int askedNote, int answeredNote);
    // A scored answer to keep; emitted before anything moves on.
    void trialAnswered(int scoredIndex, const PitchTest::Trial &trial, const PitchTest::TrialAnswer &answer);
    void finished(const PitchTest::TestReport &report);

private:
    void EnterStage(Stage next);
    void PlayCurrent();

    const TestPlan plan;
    std::vector<TrialAnswer> answers;
    Stage stage = Stage::Intro;
    Step step = Step::Waiting;
    int practiceIndex = 0;
    const bool resumed;
};

} // namespace PitchTest

Q_DECLARE_METATYPE(PitchTest::Trial)
Q_DECLARE_METATYPE(PitchTest::TrialAnswer)
Q_DECLARE_METATYPE(PitchTest::TestReport)
