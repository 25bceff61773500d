// The pitch test inside the program: its tests kept in the answer history,
// its tones played through the sound system, its answers taken from
// training while it is open.

#include "answer_history.h"
#include "application.h"
#include "history_recovery.h"
#include "sound_system.h"
#include "training_session.h"

#include <pitchtest/test_controller.h>

#include <QQmlContext>

namespace {

class SoundSystemTestSound : public PitchTest::TestSound {
public:
    explicit SoundSystemTestSound(Application &application) : app(application) {}
    void playTestTone(int note, int program, int velocity, int milliseconds) override
    {
        if (SoundSystem *sound = app.sound())
            sound->PlayInTimbre(static_cast<unsigned>(note), program, velocity, milliseconds / 1000.0);
    }
    void playTestNoise(int milliseconds) override
    {
        if (SoundSystem *sound = app.sound())
            sound->playMaskingNoise(milliseconds / 1000.0);
    }
    void stopTestSound() override { app.stopPlayback(); }

private:
    Application &app;
};

} // namespace

void Application::setUpPitchTest()
{
    pitchTestSound = std::make_unique<SoundSystemTestSound>(*this);
    auto store = std::make_unique<PitchTest::TestStore>(history->path(), AnswerHistory::kSchemaVersion);
    pitchTestController = std::make_unique<PitchTest::TestController>(*pitchTestSound, std::move(store));
    TrainingSession *training = trainingSession.get();
    pitchTestController->setTrainingHooks(
        [training] {
            training->setAnswersDiverted(true);
            training->pause();
        },
        [training] {
            training->setAnswersDiverted(false);
            training->resume();
        });
    pitchTestController->setOutputCheck([this] { return !soundSystem || soundSystem->PlaysBuiltIn(); });
    PitchTest::TestController *test = pitchTestController.get();
    connect(training, &TrainingSession::divertedAnswer, test,
            [test](const Answer &answer) { test->answer(int(answer.note), answer.originName(), answer.arrivedMs); });
    // Tests recovered from a set-aside history show on the scores' page.
    connect(recovery.get(), &HistoryRecovery::recovered, test, &PitchTest::TestController::finishedTestsChanged);
    view.rootContext()->setContextProperty("pitchTest", test);
}
