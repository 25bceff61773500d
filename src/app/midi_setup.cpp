// Device set-up of the application: the sound system, the device line shown
// in the window, and the device watch.

#include "application.h"

#include "builtin_output.h"
#include "device_watch.h"
#include "sound_system.h"
#include "training_session.h"

#include <QQmlContext>
#include <QStringList>

bool Application::InitMidi()
{
    soundSystem = std::make_unique<SoundSystem>(builtInOutputFactory());
    Core::SoundController::SetDeviceChangeCallback(StartDeviceDetection);
    SoundSystem *sound = soundSystem.get();
    deviceWatch = std::make_unique<DeviceWatch>([sound] { return sound->RescanDevices(); });
    connect(deviceWatch.get(), SIGNAL(deviceChange()), this, SIGNAL(deviceChange()));
    publishDeviceList();

    if (!soundSystem->Init(*trainingSession)) {
        fatalError = soundSystem->failure();
        return false;
    }
    connect(trainingSession.get(), SIGNAL(midiAnswer(uint)), trainingSession.get(), SLOT(ProvideMidiAnswer(uint)));
    // A keyboard plugged in a moment late, or a MIDI server still busy as the
    // program starts, is found by the watch's rescans.
    if (soundSystem->AnsweringInputName().isEmpty())
        deviceWatch->Start();
    return true;
}

void Application::publishDeviceList()
{
    const QString input = soundSystem->AnsweringInputName();
    const QStringList list{input.isEmpty() ? tr("No MIDI found") : tr("Using the %1 keyboard device").arg(input)};
    view.rootContext()->setContextProperty("midiListModel", QVariant(list));
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

// After a rescan found a change: the first devices answer and sound again,
// and the window names the keyboard in use.
void Application::updateDevices()
{
    if (!soundSystem)
        return;
    soundSystem->UseFirstDevices();
    soundSystem->ConnectMidiDevices();
    publishDeviceList();
}
