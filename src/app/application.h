#pragma once

#include "session_ports.h"

#include <theory/piano_numbers.h>

#include <QApplication>
#include <QQuickView>
#include <QVariant>

#include <memory>

class AnswerHistory;
class Translations;
class NoteNamer;
class ComputerKeys;
class CourseHistoryLoader;
class DeviceChoice;
class DeviceWatch;
class HistoryRecovery;
class Keyboard;
class QMLMessenger;
class Preferences;
class QuestionBank;
class SoundSystem;
class StatisticsModel;
class StorageStatus;
class TrainingSession;

namespace PitchTest {
class TestController;
class TestSound;
} // namespace PitchTest

// The process: the Qt application, the main window, the training engine and
// the MIDI devices.
class Application : public QApplication, public KeyMarking, public NoteOutput {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    ~Application() override;

    QuestionBank &questionBank() { return *bank; }
    AnswerHistory &answerHistory() { return *history; }
    // The history's and the store's problems, and their retries.
    StorageStatus &storageStatus() { return *storage; }
    TrainingSession &session() { return *trainingSession; }
    PitchTest::TestController &pitchTest() { return *pitchTestController; }
    QQuickView &window() { return view; }
    // Set when the program cannot run (the note timer did not start).
    const QString &startupFailure() const { return fatalError; }

    // Null until startSound has run (right after the first frame).
    SoundSystem *sound() { return soundSystem.get(); }
    ComputerKeys &computerKeyboard() { return *computerKeys; }

    // Another start of the program asks for the window: it comes back from
    // the taskbar, to the front, with the focus.
    void bringToFront();

    Preferences &options() { return *preferences; }
    // Loads the synthesiser and opens the MIDI ports, once; a failure to
    // start the note timer ends the program with a message.
    void startSound();
    // Hands the stored timbre and reference pitch to the sound system.
    void applySoundOptions();

    // NoteOutput, played by the sound system once it exists; stopPlayback is
    // also called on the MIDI input thread.
    void playNote(unsigned note, bool echo) override;
    void replayNote(unsigned note) override;
    void stopPlayback() override;

    // KeyMarking
    void clearKeysState() override;
    void markKeys(const QList<int> &greenKeys, const QList<int> &redKeys) override;
    void repaintKeyboard() override;

    // Asks the device watch of the application instance for a rescan.
    friend void StartDeviceDetection();

signals:
    void deviceChange();

public slots:
    void deviceDetectionHandler();
    void updateDevices();
    void ShowHelp();
    void onChangeCursor(QVariant cursor);
    void onHideWindow();
    void onShowCompanyWebsite();

private:
    // The course and the block of relative pitch follow the options.
    void followCourseChoice();
    bool InitMidi();
    // The pitch test beside training: its store, its sound, its panel.
    void setUpPitchTest();
    void setUpWindow();
    void showMainWindow();
    void onWindowStateChanged(Qt::WindowState state);

    // Before everything that shows a text.
    std::unique_ptr<Translations> translations;
    std::unique_ptr<NoteNamer> noteNamer;
    QString noteNamesLanguage;
    std::unique_ptr<QuestionBank> bank;
    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<AnswerHistory> history;
    std::unique_ptr<StorageStatus> storage;
    std::unique_ptr<HistoryRecovery> recovery;
    // Declared before the window, whose documents read them, so that they
    // outlive it.
    std::unique_ptr<StatisticsModel> statistics;
    std::unique_ptr<ComputerKeys> computerKeys;
    std::unique_ptr<DeviceChoice> deviceChoice;
    std::unique_ptr<PitchTest::TestSound> pitchTestSound;
    std::unique_ptr<PitchTest::TestController> pitchTestController;
    std::unique_ptr<QMLMessenger> bridge;
    PianoNumbers pianoNumbers;
    QQuickView view;
    std::unique_ptr<TrainingSession> trainingSession;
    std::unique_ptr<CourseHistoryLoader> courseHistory;
    std::unique_ptr<SoundSystem> soundSystem;
    std::unique_ptr<DeviceWatch> deviceWatch;
    // The last state the window was shown in, given back when it returns
    // from the taskbar.
    Qt::WindowState shownState = Qt::WindowMaximized;
    bool minimised = false;
    Keyboard *keyboard = nullptr;
    QString fatalError;
    QMetaObject::Connection firstFrame;
    bool soundStarted = false;
    int pendingNote = -1; // a note asked for before startSound
    bool pendingEcho = false;
};

void StartDeviceDetection();
