// Device set-up of the application: ports, note player, answer listener,
// the device line shown in the window, and the device watch.

#include "application.h"

#include "builtin_output.h"
#include "device_watch.h"
#include "training_session.h"

#include <error.h>
#include <midi/midi_device_connector.h>
#include <midi/midi_device_rt.h>
#include <midi/midi_stream_device.h>
#include <midi_answer_listener.h>
#include <sound_controller.h>

#include <QQmlContext>
#include <QStringList>

bool Application::InitMidi()
{
    createSoundController();
    Core::SoundController::SetDeviceChangeCallback(StartDeviceDetection);
    deviceWatch = std::make_unique<DeviceWatch>([this] { return soundController && soundController->RefreshDevices(); });
    connect(deviceWatch.get(), SIGNAL(deviceChange()), this, SIGNAL(deviceChange()));
    publishDeviceList();

    try {
        streamDevice = std::make_shared<Core::MidiInStreamDeviceAuto>(std::make_shared<Core::MidiStream>());
    } catch (const Error &error) {
        fatalError = tr("%1 (error %2)").arg(error.GetMessage()).arg(error.GetCode());
        return false;
    }
    streamDevice->AddStreamObserver(trainingSession.get());
    ConnectMidiDevices();
    connect(trainingSession.get(), SIGNAL(midiAnswer(uint)), trainingSession.get(), SLOT(ProvideMidiAnswer(uint)));
    return true;
}

void Application::createSoundController()
{
    // Without MIDI the program still trains with the on-screen keyboard.
    try {
        soundController = std::make_shared<Core::SoundController>(builtInOutputFactory());
    } catch (const Error &error) {
        qWarning("Orvelle: MIDI is unavailable (error %d: %s); answer with the on-screen keyboard",
                 error.GetCode(), qPrintable(error.GetMessage()));
        return;
    }
    if (soundController->GetInDeviceCount() > 0)
        soundController->SetCurrentInDevice(0);
    if (soundController->GetOutDeviceCount() > 0)
        soundController->SetCurrentOutDevice(0);
}

void Application::publishDeviceList()
{
    QStringList list;
    if (soundController && soundController->GetInDeviceCount() > 0)
        list << tr("Using the %1 keyboard device").arg(soundController->GetInDevice(0)->GetName());
    if (list.isEmpty())
        list << tr("No MIDI found");
    view.rootContext()->setContextProperty("midiListModel", QVariant(list));
}

void Application::ConnectMidiDevices()
{
    stopPlayback();
    if (!soundController)
        return;

    const int in = soundController->GetCurrentInDevice();
    if (in == -1) {
        answerListener.reset();
    } else {
        std::shared_ptr<Core::MidiInDevice> device = soundController->GetInDevice(in);
        if (!answerListener) {
            TrainingSession *session = trainingSession.get();
            answerListener = std::make_shared<Core::MidiAnswerListener>(
                [session](const Core::MidiEvent &event) { session->processMidiEvent(event); }, device);
        } else {
            answerListener->SetDevice(device);
        }
    }

    int out = soundController->GetCurrentOutDevice();
    if (out == -1) {
        if (soundController->GetOutDeviceCount() == 0)
            return;
        out = 0;
    }
    const auto output = soundController->GetOutDevice(out);
    deviceConnector = std::make_shared<Core::MidiDeviceConnector>(streamDevice, output);
    std::atomic_store(&stopOutput, output);
}

void StartDeviceDetection()
{
    if (auto *app = qobject_cast<Application *>(QCoreApplication::instance()); app && app->deviceWatch)
        app->deviceWatch->Start();
}

void Application::deviceDetectionHandler()
{
    if (deviceWatch)
        deviceWatch->deviceDetectionHandler();
}

void Application::updateDevices() {}
