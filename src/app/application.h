#pragma once

#include "session_ports.h"

#include <QApplication>
#include <QQuickView>
#include <QVariant>

#include <memory>

class Keyboard;
class QMLMessenger;
class QuestionBank;
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

    // NoteOutput
    void playNote(unsigned note, bool echo) override;
    void stopPlayback() override;

    // KeyMarking
    void clearKeysState() override;
    void markKeys(const QList<int> &greenKeys, const QList<int> &redKeys) override;
    void repaintKeyboard() override;

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
    void InitMidi();

    int detectionCountdown = 0;
    std::unique_ptr<QuestionBank> bank;
    std::unique_ptr<QMLMessenger> bridge;
    QQuickView view;
    std::unique_ptr<TrainingSession> trainingSession;
    Keyboard *keyboard = nullptr;
};
