#include "application.h"

#include "device_choice.h"
#include "device_watch.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "sound_system.h"
#include "training_session.h"

#include <keyboard.h>

#include <QCursor>
#include <QDesktopServices>
#include <QIcon>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QUrl>
#include <QtQml>

namespace {
const char *const kCompanyWebsite = "https://www.brandmoor.example/orvelle/";
const char *const kMainDocument = "qrc:/appwin.qml";
// The installed desktop entry (com.brandmoor.Orvelle.desktop) without ".desktop".
const char *const kDesktopEntry = "com.brandmoor.Orvelle";
const int kIconSizes[] = {48, 64, 128, 256};

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addFile(QStringLiteral(":/res/icons/orvelle-%1.png").arg(size), QSize(size, size));
    return icon;
}
} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // The names select the settings store, so they come before the bank.
    setOrganizationName(tr("Brandmoor"));
    setOrganizationDomain(tr("brandmoor.example"));
    setApplicationName(tr("Orvelle"));
    // The desktop groups the window with its launcher and shows its icon.
    setDesktopFileName(QString::fromLatin1(kDesktopEntry));
    setWindowIcon(applicationIcon());

    bank = std::make_unique<QuestionBank>();
    trainingSession = std::make_unique<TrainingSession>(*bank, *this, *this);

    qmlRegisterType<Keyboard>("Keyboard", 1, 0, "Keyboard");
    qmlRegisterType<QMLMessenger>("QMLMessenger", 1, 0, "QMLMessenger");

    bridge = std::make_unique<QMLMessenger>();
    messenger = bridge.get();
    messenger->app = this;
    view.rootContext()->setContextProperty("appmessenger", messenger);
    deviceChoice = std::make_unique<DeviceChoice>(*bank);
    view.rootContext()->setContextProperty("deviceChoice", deviceChoice.get());

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
    deviceWatch.reset();
    if (deviceChoice)
        deviceChoice->attach(nullptr);
    soundSystem.reset();
}

void Application::playNote(unsigned note, bool echo)
{
    if (soundSystem)
        soundSystem->playNote(note, echo);
}

void Application::stopPlayback()
{
    if (soundSystem)
        soundSystem->stopPlayback();
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
