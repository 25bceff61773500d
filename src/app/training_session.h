#pragma once

#include "answer.h"
#include "session_ports.h"
#include "session_report.h"

#include <midi/midi_message.h>
#include <midi/midi_stream_observer.h>

#include "question_bank.h"

#include <adaptive_trainer.h>
#include <course_status.h>

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVariant>

#include <atomic>
#include <mutex>
#include <optional>

class AnswerHistory;

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
    // With relative pitch blocked: the noise between an answer and the next
    // question (the pause is kept where no noise can sound).
    static constexpr int kMaskingNoiseMs = 1500;

    // Where an answer came from.
    using AnswerSource = Answer::Source;
    // How long after a wrong answer's echo the right note sounds again.
    static constexpr int kReplayRightDelayMs = 500;

    TrainingSession(QuestionBank &bank, KeyMarking &keyboard, NoteOutput &sound, QObject *parent = nullptr);
    ~TrainingSession() override;

    // The main document's root item, on which the interface callbacks are invoked.
    void setDocument(QObject *root);
    // The feedback line's notes and the summary, for the document to bind to.
    SessionReport &report() { return sessionReport; }
    // Where every scored answer is recorded before it is shown; may be null.
    void setHistory(AnswerHistory *answerHistory) { history = answerHistory; }
    int state() const { return sessionState.load(); }
    void stopFeedbackTimer();
    // After a wrong answer: false goes on after the short pause, true pauses
    // and plays the right note once more.
    void setReplayAfterWrong(bool on) { replayAfterWrong = on; }
    bool replaysAfterWrong() const { return replayAfterWrong; }
    AnswerSource lastAnswerSource() const { return answerSource; }

    // While on, every note-on goes to divertedAnswer (queued to the GUI
    // thread) and none to training, and clicked keys do not sound; safe
    // from any thread.
    void setAnswersDiverted(bool on) { diverted = on; }
    // Training waits for something else (the pitch test): the question stops
    // sounding and no timer runs on. resume() takes training up where it
    // was: a question is asked again, a pause after an answer ends.
    void pause();
    void resume();
    bool isPaused() const { return paused; }
    // The course the questions come from: the twelve levels (the bank's
    // list) or the adaptive course. Switching keeps both courses' progress
    // and waits for the user to go on.
    void setAdaptive(bool on);
    bool adaptive() const { return adaptiveOn; }
    void setBlockRelativePitch(bool on) { blockRelativePitch = on; adaptiveCourse.course().setBlockRelativePitch(on); }
    Course::AdaptiveTrainer &adaptiveTrainer() { return adaptiveCourse; }
    // What the window shows of the adaptive course.
    Course::CourseStatus &courseStatus() { return status; }
    // The history read at start, as the adaptive course learns from it.
    void takeCourseHistory(const std::vector<Course::CourseAnswer> &answers, std::int64_t lastRowId);
    // The question being asked (or to be asked next), in either course.
    unsigned currentQuestionNote();

    // Called by the note player on its timer thread when a note has ended.
    void onStreamFinished() override;

    // The first question scheduled in a process plays at once.
    static bool firstPlayPending;

signals:
    // An answer is ready; emitted on the thread it came on.
    void midiAnswer(const Answer &answer);
    // The answer history's problem line changed (it could not be written).
    void historyProblemChanged();
    // Every scored answer, with the question's note.
    void answerScored(uint questionNote, const Answer &answer, bool correct);
    // A note-on taken while answers are diverted, with its origin and arrival.
    void divertedAnswer(const Answer &answer);

public slots:
    // A replay plays the question again in its own timbre.
    void StartPlayBack(bool replay = false);
    // Scores an answer (midiAnswer arrives here queued); a bare note is
    // taken as a MIDI keyboard's.
    void ProvideMidiAnswer(const Answer &answer);
    void ProvideMidiAnswer(uint note);
    // Safe to call from the MIDI input thread.
    void processMidiEvent(Core::MidiEvent evt);
    void processGKCEvent(int key);
    // A key index chosen on the computer keyboard; scored as a click.
    void processComputerKeyEvent(int key);
    void StartNewSession(QVariant maturityLevel);
    void ReplayQuestion();
    void onChoiceRecieve(uint note, uint choice);
    // Poses the stored session's current question, as a restart left it.
    void ContinueSession();
    // After a finished session's summary: the next session's first question.
    void NextRound();

public:
    // A MIDI event from its origin (a port's name for a MIDI keyboard); safe
    // from the MIDI input thread.
    void processMidiEventFrom(const Core::MidiEvent &evt, Answer::Source source, const QString &port = QString());
    // The same for a named MIDI input port, as a callable for the MIDI side.
    auto midiAnswers()
    {
        return [this](const Core::MidiEvent &evt, const QString &port) {
            processMidiEventFrom(evt, Answer::Source::MidiDevice, port);
        };
    }

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void answerFromKey(int key, AnswerSource source);
    void scheduleCurrentQuestion(bool afterAnswer = false);
    void advanceQuestion();
    void finishSession();
    void provideAdaptiveAnswer(const Answer &answer, int stateAtAnswer);
    void storeAdaptiveQuestion(qint64 historyRow);
    long long courseReactionMs(const Answer &answer) const;
    void showScored(const Answer &answer, unsigned questionNote, bool correct, unsigned questionIndex);
    void cancelPendingAdvance();
    // The answer's history row id; 0 when it is held or not recorded.
    qint64 recordAnswer(const ScoredAnswer &scored, const Answer &answer, int stateAtAnswer, unsigned level,
                        const QString &course);
    void showAnswer(unsigned questionNote, unsigned answerNote, bool correct);
    void repaintCleared();
    void callDocument(const char *function, const QVariant &a);
    void callDocument(const char *function, const QVariant &a, const QVariant &b);

    QuestionBank &bank;
    KeyMarking &keyboard;
    NoteOutput &sound;
    QPointer<QObject> document;
    SessionReport sessionReport;
    AnswerHistory *history = nullptr;
    // One pending question at a time: scheduling again restarts the delay.
    QTimer questionTimer;
    // Set from the last answer of a session until the next round begins.
    std::optional<SessionOutcome> finishedSession;
    unsigned replaysOfQuestion = 0;
    // When the current question began to sound (monotonic ms); read on the
    // MIDI input thread as answers arrive.
    std::atomic<std::int64_t> questionStartedMs{-1};
    AnswerSource answerSource = AnswerSource::MidiDevice;
    bool replayAfterWrong = false;
    std::atomic<bool> diverted{false};
    bool paused = false;
    int stateAtPause = Idle;
    int actionAtPause = NoAction;
    bool questionPendingAtPause = false;
    bool adaptiveOn = false;
    bool blockRelativePitch = false;
    Course::AdaptiveTrainer adaptiveCourse;
    Course::CourseStatus status;
    // Set from the last answer of an adaptive round until the next begins.
    std::optional<Course::RoundSummary> finishedRound;

    // Read on the MIDI input thread, written on the timer thread.
    std::atomic<int> sessionState{Idle};
    int feedbackTimerId = 0;
    int pendingTimerAction = NoAction;
};
