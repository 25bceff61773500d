#pragma once

#include "session_ports.h"

#include <midi/midi_message.h>
#include <midi/midi_stream_observer.h>

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <atomic>

class QuestionBank;

Q_DECLARE_METATYPE(Core::MidiEvent)

// The session state machine: poses questions, takes answers from the on-screen
// keyboard and MIDI keyboards, scores them, shows them, and moves on.
class TrainingSession : public QObject, public Core::MidiInStreamDeviceObserver {
    Q_OBJECT
public:
    enum State { Idle = 0, Asking = 2, Asked = 3, Feedback = 4, Finished = 6 };
    enum TimerAction { NoAction = 0, AdvanceQuestion = 5 };

    static constexpr int kFeedbackCorrectMs = 400;
    static constexpr int kFeedbackWrongMs = 400;
    static constexpr int kNextQuestionDelayMs = 300;

    TrainingSession(QuestionBank &bank, KeyMarking &keyboard, NoteOutput &sound, QObject *parent = nullptr);
    ~TrainingSession() override;

    // The main document's root item, on which the interface callbacks are invoked.
    void setDocument(QObject *root);
    int state() const { return sessionState.load(); }
    void stopFeedbackTimer();

    // Called by the note player on its timer thread when a note has ended.
    void onStreamFinished() override;

    // The first question scheduled in a process plays at once.
    static bool firstPlayPending;

signals:
    void midiAnswer(uint note);

public slots:
    // A replay plays the question again in its own timbre.
    void StartPlayBack(bool replay = false);
    void ProvideMidiAnswer(uint note);
    // Safe to call from the MIDI input thread.
    void processMidiEvent(Core::MidiEvent evt);
    void processGKCEvent(int key);
    void StartNewSession(QVariant maturityLevel);
    void ReplayQuestion();
    void onChoiceRecieve(uint note, uint choice);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void scheduleCurrentQuestion();
    void advanceQuestion();
    void showAnswer(unsigned questionNote, unsigned answerNote, bool correct);
    void repaintCleared();
    void callDocument(const char *function, const QVariant &a);
    void callDocument(const char *function, const QVariant &a, const QVariant &b);

    QuestionBank &bank;
    KeyMarking &keyboard;
    NoteOutput &sound;
    QPointer<QObject> document;

    // Read on the MIDI input thread, written on the timer thread.
    std::atomic<int> sessionState{Idle};
    int feedbackTimerId = 0;
    int pendingTimerAction = NoAction;
};
