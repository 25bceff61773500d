// Device set-up of the application: the sound system, the device box's lists
// and line, and the device watch.

#include "application.h"

#include "question_bank.h"
#include "training_session.h"

#include <builtin_output.h>
#include <device_choice.h>
#include <device_watch.h>
#include <preferences.h>
#include <sound_system.h>

#include <QPointer>

bool Application::InitMidi()
{
    soundSystem = std::make_unique<SoundSystem>(builtInOutputFactory());
    Core::SoundController::SetDeviceChangeCallback(StartDeviceDetection);
    SoundSystem *sound = soundSystem.get();
    deviceWatch = std::make_unique<DeviceWatch>([sound] { return sound->RescanDevices(); },
                                                [sound](bool jackStopped) { sound->FollowServers(jackStopped); });
    connect(deviceWatch.get(), SIGNAL(deviceChange()), this, SIGNAL(deviceChange()));

    // The stored choices apply from the start, its reset of the output included.
    deviceChoice->attach(sound);
    if (!soundSystem->Init(*trainingSession, trainingSession->midiAnswers())) {
        fatalError = soundSystem->failure();
        return false;
    }
    deviceChoice->refresh();
    QPointer<DeviceChoice> choice(deviceChoice.get());
    soundSystem->SetAnsweringChangedHook([choice] {
        if (choice)
            QMetaObject::invokeMethod(choice.data(), "refresh", Qt::QueuedConnection);
    });
    connect(trainingSession.get(), &TrainingSession::midiAnswer, trainingSession.get(),
        qOverload<const Answer &>(&TrainingSession::ProvideMidiAnswer));
    // Keyboards and synthesisers plugged in or out at any time are followed.
    deviceWatch->Start();
    return true;
}

void StartDeviceDetection()
{
    if (auto *app = qobject_cast<Application *>(QCoreApplication::instance()); app && app->deviceWatch)
        app->deviceWatch->Notify();
}

void Application::deviceDetectionHandler()
{
    if (deviceWatch)
        deviceWatch->Notify();
}

// After a rescan found a change: the chosen devices (or their stand-ins)
// answer and sound again, and the box shows the lists as they are now.
void Application::updateDevices()
{
    if (!soundSystem)
        return;
    soundSystem->ConnectMidiDevices();
    deviceChoice->refresh();
}

// The questions' timbre and the reference pitch, from the store to the sound system.
void Application::applySoundOptions()
{
    if (!soundSystem)
        return;
    SoundSystem::InstrumentChoice choice;
    choice.program = bank->midiInstrument;
    choice.chosen = preferences->instrumentChosen();
    choice.vary = preferences->varyInstrument();
    choice.varied = preferences->variedInstruments();
    soundSystem->SetInstrumentChoice(choice);
    setBuiltInReferencePitch(*soundSystem->Controller(), preferences->referencePitch());
}
