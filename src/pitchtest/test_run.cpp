#include "test_run.h"

#include <utility>

namespace PitchTest {

TestRun::TestRun(TestPlan testPlan, std::vector<TrialAnswer> answered, QObject *parent)
    : QObject(parent), plan(std::move(testPlan)), answers(std::move(answered)), resumed(!answers.empty())
{
    // Signals cross threads queued only with their types known.
    qRegisterMetaType<Trial>();
    qRegisterMetaType<TrialAnswer>();
    qRegisterMetaType<TestReport>();
    qRegisterMetaType<Stage>();
    if (answers.size() > plan.scored.size())
        answers.resize(plan.scored.size());
}

const Trial &TestRun::CurrentTrial() const
{
    if (stage == Stage::Practice || stage == Stage::Intro) {
        if (!resumed && practiceIndex < static_cast<int>(plan.practice.size()))
            return plan.practice[static_cast<std::size_t>(practiceIndex)];
    }
    const std::size_t next = std::min(answers.size(), plan.scored.size() - 1);
    return plan.scored[next];
}

void TestRun::Start()
{
    if (stage != Stage::Intro)
        return;
    if (!resumed)
        EnterStage(Stage::Practice);
    else if (answers.size() >= plan.scored.size())
        EnterStage(Stage::Report);
    else
        EnterStage(BlockOfTrial(AnsweredCount()) == 0 ? Stage::Block1 : Stage::Block2);
}

bool TestRun::Answer(int note, qint64 reactionMs)
{
    if (step != Step::Listening || note < 0 || note > 127)
        return false;
    step = Step::Noise;
    if (stage == Stage::Practice) {
        const int asked = plan.practice[static_cast<std::size_t>(practiceIndex)].note;
        ++practiceIndex;
        emit practiceAnswered(asked, note);
    } else {
        const int index = AnsweredCount();
        const TrialAnswer answer {note, reactionMs < 0 ? 0 : reactionMs};
        answers.push_back(answer);
        emit trialAnswered(index, plan.scored[static_cast<std::size_t>(index)], answer);
        // No tone follows the last one, so no noise: the report comes at once.
        if (answers.size() >= plan.scored.size()) {
            EnterStage(Stage::Report);
            return true;
        }
    }
    emit noisePlayed();
    return true;
}

void TestRun::NoiseFinished()
{
    if (step != Step::Noise)
        return;
    step = Step::Waiting;
    const int answered = AnsweredCount();
    if (stage == Stage::Practice) {
        if (practiceIndex < static_cast<int>(plan.practice.size()))
            PlayCurrent();
        else
            EnterStage(Stage::Block1);
    } else if (answered >= static_cast<int>(plan.scored.size())) {
        EnterStage(Stage::Report);
    } else if (stage == Stage::Block1 && BlockOfTrial(answered) > 0) {
        EnterStage(Stage::Rest);
    } else {
        PlayCurrent();
    }
}

void TestRun::RestFinished()
{
    if (stage == Stage::Rest)
        EnterStage(Stage::Block2);
}

void TestRun::EnterStage(Stage next)
{
    stage = next;
    step = Step::Waiting;
    emit stageChanged(stage);
    if (stage == Stage::Practice || stage == Stage::Block1 || stage == Stage::Block2)
        PlayCurrent();
    else if (stage == Stage::Report)
        emit finished(Report());
}

void TestRun::PlayCurrent()
{
    // Answers count from the moment the tone is asked for: a key pressed
    // as the tone starts is an answer to it.
    step = Step::Listening;
    emit tonePlayed(CurrentTrial());
}

std::vector<AnsweredTrial> TestRun::AnsweredTrials() const
{
    std::vector<AnsweredTrial> trials;
    for (std::size_t i = 0; i < answers.size(); ++i)
        trials.push_back({plan.scored[i], answers[i]});
    return trials;
}

TestReport TestRun::Report() const { return Score(AnsweredTrials()); }

} // namespace PitchTest
