#include "application.h"

#include "device_watch.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "training_session.h"

#include <keyboard.h>
#include <midi/midi_device_connector.h>
#include <midi/midi_stream_device.h>
#include <midi_answer_listener.h>
#include <sound_controller.h>

#include <QCursor>
#include <QDesktopServices>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QUrl>
#include <QtQml>

namespace {
const char *const kCompanyWebsite = "https://www.brandmoor.example/orvelle/";
const char *const kMainDocument = "qrc:/appwin.qml";
} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // The names select the settings store, so they come before the bank.
    setOrganizationName(tr("Brandmoor"));
    setOrganizationDomain(tr("brandmoor.example"));
    setApplicationName(tr("Orvelle"));

    bank = std::make_unique<QuestionBank>();
    trainingSession = std::make_unique<TrainingSession>(*bank, *this, *this);

    qmlRegisterType<Keyboard>("Keyboard", 1, 0, "Keyboard");
    qmlRegisterType<QMLMessenger>("QMLMessenger", 1, 0, "QMLMessenger");

    bridge = std::make_unique<QMLMessenger>();
    messenger = bridge.get();
    messenger->app = this;
    view.rootContext()->setContextProperty("appmessenger", messenger);

    view.setSource(QUrl(QString::fromLatin1(kMainDocument), QUrl::TolerantMode));

    connect(view.engine(), SIGNAL(quit()), this, SLOT(quit()));
    connect(this, SIGNAL(deviceChange()), this, SLOT(updateDevices()));
    QQuickItem *root = view.rootObject();
    if (root)
        connect(root, SIGNAL(changeCursor(QVariant)), this, SLOT(onChangeCursor(QVariant)));
    else
        qWarning("Orvelle: the main window document could not be loaded");

    messenger->rootObject = root;
    trainingSession->setDocument(root);

    keyboard = root ? root->findChild<Keyboard *>("Keyboard") : nullptr;
    if (keyboard)
        connect(keyboard, SIGNAL(keyPressed(int)), trainingSession.get(), SLOT(processGKCEvent(int)));

    if (!InitMidi())
        return;

    view.showMaximized();
}

Application::~Application()
{
    trainingSession->stopFeedbackTimer();
    // The listener goes first: once it is gone no MIDI input reaches the session.
    answerListener.reset();
    if (streamDevice)
        streamDevice->RemoveStreamObserver(trainingSession.get());
    streamDevice.reset();
    deviceConnector.reset();
    std::atomic_store(&stopOutput, std::shared_ptr<Core::MidiOutDevice>());
}

void Application::playNote(unsigned note, bool echo)
{
    if (!streamDevice)
        return;
    constexpr std::uint8_t kVelocity = 96;
    const auto byte = static_cast<std::uint8_t>(note & 0xFF);
    auto stream = std::make_shared<Core::MidiStream>();
    stream->Append(Core::MidiMessage(0x90, 0, byte, kVelocity), 0, 0.0);
    stream->Append(Core::MidiMessage(0x80, 0, byte, kVelocity), 0, echo ? 2.0 : 5.0);
    stopPlayback();
    streamDevice->SetStream(stream);
    streamDevice->Start();
}

void Application::stopPlayback()
{
    if (streamDevice)
        streamDevice->Reset();
    if (auto output = std::atomic_load(&stopOutput))
        output->Reset();
}

void Application::clearKeysState()
{
    if (keyboard)
        keyboard->clearKeysState();
}

void Application::markKeys(const QList<int> &greenKeys, const QList<int> &redKeys)
{
    if (keyboard)
        keyboard->markKeys(greenKeys, redKeys);
}

void Application::repaintKeyboard()
{
    if (keyboard)
        keyboard->update();
}

void Application::ShowHelp() {}

void Application::onChangeCursor(QVariant cursor)
{
    QCursor shape;
    shape.setShape(static_cast<Qt::CursorShape>(cursor.toInt()));
    view.setCursor(shape);
}

void Application::onHideWindow()
{
    view.showMinimized();
}

void Application::onShowCompanyWebsite()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kCompanyWebsite)));
}
