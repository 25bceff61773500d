#include "application.h"

#include "course_history_loader.h"

#include "qml_messenger.h"
#include "question_bank.h"
#include "storage_status.h"
#include "training_session.h"

#include <answer_history.h>
#include <chart_points.h>
#include <device_choice.h>
#include <device_watch.h>
#include <history_recovery.h>
#include <preferences.h>
#include <sound_system.h>
#include <statistics_model.h>

#include <computer_keys.h>
#include <pitchtest/test_controller.h>
#include <learners_language.h>
#include <note_namer.h>
#include <translations.h>
#include <keyboard.h>

#include <QCursor>
#include <QDesktopServices>
#include <QFont>
#include <QScreen>
#include <QTimer>
#include <QIcon>
#include <QMessageBox>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QUrl>
#include <QStyle>
#include <QtQml>

#include <algorithm>

namespace {
// The smallest window the layout is made for, and the share of the screen a
// window takes when the user un-maximises it.
const QSize kMinimumWindowSize(1024, 640);
constexpr double kNormalWindowShare = 0.8;
// Time a window manager gets to maximise the new window before the program
// fills the screen itself.
constexpr int kWindowManagerGraceMs = 700;
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
    // Never translated: a name in another language would be another store.
    setOrganizationName(QStringLiteral("Brandmoor"));
    setOrganizationDomain(QStringLiteral("brandmoor.example"));
    setApplicationName(QStringLiteral("Orvelle"));
    // The desktop's language until the learner's own choice is read with
    // the store, so that what the store's reading reports is translated too.
    translations = std::make_unique<Translations>(SetUpLearnersLanguage(QString(), QString()).translation);
    // The desktop groups the window with its launcher and shows its icon.
    setDesktopFileName(QString::fromLatin1(kDesktopEntry));
    setWindowIcon(applicationIcon());
    // One family for every text of the window.
    setFont(QFont(QStringLiteral("DejaVu Sans")));

    bank = std::make_unique<QuestionBank>();
    // The user's other options live in the same store and are written with it.
    preferences = std::make_unique<Preferences>();
    keepOptionsInStore(*preferences, *bank);
    const LearnersLanguage learner = SetUpLearnersLanguage(preferences->language(), preferences->noteNames());
    noteNamesLanguage = learner.noteNamesLanguage;
    if (learner.translation != translations->language()) {
        translations.reset();  // its translators leave first
        translations = std::make_unique<Translations>(learner.translation);
    }
    history = std::make_unique<AnswerHistory>();
    storage = std::make_unique<StorageStatus>(*bank, *history);
    // An answer the program ended on between the history and the store.
    takeInMissingAnswers(*bank, *history);
    trainingSession = std::make_unique<TrainingSession>(*bank, *this, *this);
    trainingSession->setHistory(history.get());
    followCourseChoice();
    // The adaptive course learns from the whole history, read meanwhile.
    courseHistory = std::make_unique<CourseHistoryLoader>();
    courseHistory->start(history->path(), [this](const std::vector<Course::CourseAnswer> &answers, std::int64_t last) {
        trainingSession->takeCourseHistory(answers, last);
    });

    qmlRegisterType<Keyboard>("Keyboard", 1, 0, "Keyboard");
    qmlRegisterType<QMLMessenger>("QMLMessenger", 1, 0, "QMLMessenger");

    bridge = std::make_unique<QMLMessenger>();
    messenger = bridge.get();
    messenger->targets.bank = bank.get();
    messenger->targets.session = trainingSession.get();
    messenger->targets.storage = storage.get();
    messenger->targets.preferences = preferences.get();
    messenger->targets.setCursor = [this](const QVariant &cursor) { onChangeCursor(cursor); };
    messenger->targets.minimise = [this] { onHideWindow(); };
    messenger->targets.openWebsite = [this] { onShowCompanyWebsite(); };
    connect(storage.get(), &StorageStatus::lineChanged, messenger, &QMLMessenger::statusTextChanged);
    view.rootContext()->setContextProperty("appmessenger", messenger);
    view.rootContext()->setContextProperty("preferences", preferences.get());
    view.rootContext()->setContextProperty("sessionReport", &trainingSession->report());
    view.rootContext()->setContextProperty("courseStatus", &trainingSession->courseStatus());
    view.rootContext()->setContextProperty("piano", &pianoNumbers);
    noteNamer = std::make_unique<NoteNamer>();
    view.rootContext()->setContextProperty("noteNamer", noteNamer.get());
    QuestionBank *questions = bank.get();
    statistics = std::make_unique<StatisticsModel>(history->path(), [questions] { return questions->maturityLevel; });
    TrainingSession *session = trainingSession.get();
    statistics->setAdaptiveCourse([session] { return session->adaptive(); });
    statistics->setCourseStartClasses([questions] { return std::max(2, questions->adaptiveStartClasses); });
    view.rootContext()->setContextProperty("statistics", statistics.get());
    view.rootContext()->setContextProperty("chartPoints", &ChartPoints::instance());
    recovery = std::make_unique<HistoryRecovery>(history->path());
    // Recovered rows are old answers, not ones the store lacks.
    connect(recovery.get(), &HistoryRecovery::recovered, this, [this] {
        bank->lastHistoryRow = std::max(bank->lastHistoryRow, history->lastRowId());
        bank->save();
    });
    view.rootContext()->setContextProperty("historyRecovery", recovery.get());
    computerKeys = std::make_unique<ComputerKeys>();
    view.rootContext()->setContextProperty("computerKeys", computerKeys.get());
    view.installEventFilter(computerKeys.get());
    connect(computerKeys.get(), &ComputerKeys::keyPressed, trainingSession.get(),
            &TrainingSession::processComputerKeyEvent);
    const auto followReplayChoice = [this] { trainingSession->setReplayAfterWrong(preferences->afterWrongAnswer() == 1); };
    followReplayChoice();
    connect(preferences.get(), &Preferences::afterWrongAnswerChanged, this, followReplayChoice);
    connect(preferences.get(), &Preferences::soundChanged, this, &Application::applySoundOptions);
    // A new naming holds at once: the documents follow the namer, the C
    // keys' labels are painted again.
    connect(preferences.get(), &Preferences::noteNamesChanged, this, [this] {
        noteNamer->setNaming(Theory::NoteNamingFromKey(preferences->noteNames(), noteNamesLanguage));
        if (keyboard)
            keyboard->update();
    });
    deviceChoice = std::make_unique<DeviceChoice>(bank->inputDevice, preferences->outputDevice());
    connect(deviceChoice.get(), &DeviceChoice::chosen, this, [this](const QString &input, const QString &output) {
        bank->inputDevice = input;
        bank->save();
        preferences->setOutputDevice(output);
    });
    view.rootContext()->setContextProperty("deviceChoice", deviceChoice.get());

    setUpPitchTest();

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

    // The soundfont and the MIDI ports are not needed for the first frame:
    // they are set up right after it, so the window shows at once.
    firstFrame = connect(&view, &QQuickWindow::frameSwapped, this, &Application::startSound, Qt::QueuedConnection);
    // The statistics read the history in the background once the window is
    // up, so that F2 finds it read (later frames find it started).
    connect(&view, &QQuickWindow::frameSwapped, statistics.get(), &StatisticsModel::preload, Qt::QueuedConnection);

    setUpWindow();
    showMainWindow();
}

void Application::followCourseChoice()
{
    const auto follow = [this] {
        trainingSession->setBlockRelativePitch(preferences->blockRelativePitch());
        bank->blockRelativePitch = preferences->blockRelativePitch();
        trainingSession->setAdaptive(preferences->adaptiveCourseChosen());
    };
    follow();
    connect(preferences.get(), &Preferences::courseChanged, this, follow);
    connect(preferences.get(), &Preferences::blockRelativePitchChanged, this, follow);
}

void Application::setUpWindow()
{
    const QRect screen = view.screen() ? view.screen()->availableGeometry() : QRect(0, 0, 1280, 720);
    // On a screen smaller than the minimum, the minimum leaves room for the
    // window's frame.
    view.setMinimumSize(kMinimumWindowSize.boundedTo(screen.size() * kNormalWindowShare));
    const QSize normal = (screen.size() * kNormalWindowShare).expandedTo(view.minimumSize()).boundedTo(screen.size());
    view.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, normal, screen));
    connect(&view, &QWindow::windowStateChanged, this, &Application::onWindowStateChanged);
}

void Application::showMainWindow()
{
    view.showMaximized();
    // Without a window manager nobody maximises the window: it then fills the
    // available screen itself.
    QTimer::singleShot(kWindowManagerGraceMs, this, [this] {
        const QRect screen = view.screen() ? view.screen()->availableGeometry() : QRect();
        if (view.isVisible() && view.windowState() == Qt::WindowMaximized && screen.isValid()
            && view.width() < screen.width() * 0.95)
            view.setGeometry(screen);
    });
}

void Application::onWindowStateChanged(Qt::WindowState state)
{
    if (state == Qt::WindowMinimized) {
        minimised = true;
        return;
    }
    // A taskbar brings a minimised window back in its normal state: a window
    // that was maximised comes back maximised.
    if (minimised && state == Qt::WindowNoState && shownState == Qt::WindowMaximized) {
        minimised = false;
        view.showMaximized();
        return;
    }
    minimised = false;
    shownState = state;
}

void Application::bringToFront()
{
    if (minimised || !view.isVisible())
        shownState == Qt::WindowMaximized ? view.showMaximized() : view.showNormal();
    view.raise();
    view.requestActivate();
}

void Application::startSound()
{
    disconnect(firstFrame);
    if (soundStarted)
        return;
    soundStarted = true;
    // The whole history file is checked once the window is up, not before.
    storage->checkHistoryInBackground();
    if (!InitMidi()) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvelle"),
                              tr("Orvelle cannot play notes and has to stop: %1").arg(fatalError));
        exit(1);
        return;
    }
    applySoundOptions();
    // A question asked before the sound was ready is played now.
    if (pendingNote >= 0)
        soundSystem->playNote(static_cast<unsigned>(pendingNote), pendingEcho);
    pendingNote = -1;
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
    if (soundSystem) {
        soundSystem->playNote(note, echo);
    } else if (!soundStarted) {
        pendingNote = static_cast<int>(note);
        pendingEcho = echo;
    }
}

void Application::replayNote(unsigned note)
{
    if (soundSystem)
        soundSystem->replayNote(note);
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
    const QString address = QStringLiteral(ORVELLE_WEBSITE);
    if (!address.isEmpty())
        QDesktopServices::openUrl(QUrl(address));
}
