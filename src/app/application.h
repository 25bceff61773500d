#pragma once

#include "session_ports.h"

#include <QApplication>
#include <QQuickView>
#include <QVariant>

#include <memory>

class DeviceChoice;
class DeviceWatch;
class Keyboard;
class QMLMessenger;
class QuestionBank;
class SoundSystem;
class TrainingSession;

// The process: the Qt application, the main window, the training engine and
// the MIDI devices.
class Application : public QApplication, public KeyMarking, public NoteOutput {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    ~Application() override;

    QuestionBank &questionBank() { return *bank; }
    TrainingSession &session() { return *trainingSession; }
    QQuickView &window() { return view; }
    // Set when the program cannot run (the note timer did not start); shown by main.
    const QString &startupFailure() const { return fatalError; }

    SoundSystem *sound() { return soundSystem.get(); }

    // NoteOutput, played by the sound system once it exists; stopPlayback is
    // also called on the MIDI input thread.
    void playNote(unsigned note, bool echo) override;
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
    bool InitMidi();

    std::unique_ptr<QuestionBank> bank;
    std::unique_ptr<QMLMessenger> bridge;
    QQuickView view;
    std::unique_ptr<TrainingSession> trainingSession;
    std::unique_ptr<SoundSystem> soundSystem;
    std::unique_ptr<DeviceWatch> deviceWatch;
    std::unique_ptr<DeviceChoice> deviceChoice;
    Keyboard *keyboard = nullptr;
    QString fatalError;
};

void StartDeviceDetection();
