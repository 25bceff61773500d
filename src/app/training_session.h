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
    // With "pause and replay" after a wrong answer: the pause during which the
    // right note sounds once more.
    static constexpr int kReplayAfterWrongMs = 2000;

    // Where an answer came from.
    enum class AnswerSource { ScreenKeyboard, ComputerKeyboard, MidiDevice };
    Q_ENUM(AnswerSource)
    // How long after a wrong answer's echo the right note sounds again.
    static constexpr int kReplayRightDelayMs = 500;

    TrainingSession(QuestionBank &bank, KeyMarking &keyboard, NoteOutput &sound, QObject *parent = nullptr);
    ~TrainingSession() override;

    // The main document's root item, on which the interface callbacks are invoked.
    void setDocument(QObject *root);
    int state() const { return sessionState.load(); }
    void stopFeedbackTimer();
    // After a wrong answer: false goes on after the short pause, true pauses
    // and plays the right note once more.
    void setReplayAfterWrong(bool on) { replayAfterWrong = on; }
    bool replaysAfterWrong() const { return replayAfterWrong; }
    AnswerSource lastAnswerSource() const { return answerSource; }

    // Called by the note player on its timer thread when a note has ended.
    void onStreamFinished() override;

    // The first question scheduled in a process plays at once.
    static bool firstPlayPending;

signals:
    void midiAnswer(uint note);
    // Every scored answer, with the notes (MIDI numbers) and where it came from.
    void answerScored(uint questionNote, uint answerNote, bool correct, TrainingSession::AnswerSource source);

public slots:
    void StartPlayBack();
    void ProvideMidiAnswer(uint note);
    // Safe to call from the MIDI input thread.
    void processMidiEvent(Core::MidiEvent evt);
    void processGKCEvent(int key);
    // A key index chosen on the computer keyboard; scored as a click.
    void processComputerKeyEvent(int key);
    void StartNewSession(QVariant maturityLevel);
    void ReplayQuestion();
    void onChoiceRecieve(uint note, uint choice);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void answerFromKey(int key, AnswerSource source);
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
    bool replayAfterWrong = false;
    // GUI thread only: the source of a key answer while it is being scored
    // (the answer signal reaches ProvideMidiAnswer directly on this thread);
    // answers arriving from the MIDI input thread find it at MidiDevice.
    AnswerSource keySource = AnswerSource::MidiDevice;
    AnswerSource answerSource = AnswerSource::MidiDevice;
};
