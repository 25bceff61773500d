#include "training_session.h"

#include "question_bank.h"
#include "session_summary.h"

#include <answer_history.h>
#include <theory/piano.h>
#include <timer.h>

#include <QDateTime>
#include <QTimer>
#include <QTimerEvent>

namespace {
constexpr int kLowestKeyNote = Piano::kLowestNote; // key index 0
constexpr int kKeyCount = Piano::kKeyCount;
constexpr std::uint8_t kOnScreenVelocity = 100;

bool isOnKeyboard(int key)
{
    return key >= 0 && key < kKeyCount;
}
} // namespace

bool TrainingSession::firstPlayPending = true;

TrainingSession::TrainingSession(QuestionBank &bank, KeyMarking &keyboard, NoteOutput &sound, QObject *parent)
    : QObject(parent), bank(bank), keyboard(keyboard), sound(sound)
{
    qRegisterMetaType<Core::MidiEvent>("Core::MidiEvent");
    qRegisterMetaType<Answer>("Answer");
    questionTimer.setSingleShot(true);
    questionTimer.setInterval(kNextQuestionDelayMs);
    connect(&questionTimer, &QTimer::timeout, this, [this] { StartPlayBack(); });
}

TrainingSession::~TrainingSession()
{
    stopFeedbackTimer();
}

void TrainingSession::setDocument(QObject *root)
{
    document = root;
}

void TrainingSession::stopFeedbackTimer()
{
    if (feedbackTimerId != 0) {
        killTimer(feedbackTimerId);
        feedbackTimerId = 0;
    }
}

void TrainingSession::scheduleCurrentQuestion()
{
    replaysOfQuestion = 0;
    if (firstPlayPending) {
        firstPlayPending = false;
        StartPlayBack();
        return;
    }
    questionTimer.start();
    sound.stopPlayback();
}

// A new session or a replay takes the place of whatever the feedback pause
// would have done next.
void TrainingSession::cancelPendingAdvance()
{
    stopFeedbackTimer();
    pendingTimerAction = NoAction;
}

void TrainingSession::StartNewSession(QVariant maturityLevel)
{
    cancelPendingAdvance();
    questionTimer.stop();
    finishedSession.reset();
    bank.setLevel(maturityLevel.toInt());
    scheduleCurrentQuestion();
}

void TrainingSession::ContinueSession()
{
    if (finishedSession) {
        NextRound();
        return;
    }
    cancelPendingAdvance();
    scheduleCurrentQuestion();
}

void TrainingSession::NextRound()
{
    // Only once the summary is up; during the pause before it the last
    // answer's marks are still shown.
    if (!finishedSession || sessionState.load() != Finished)
        return;
    finishedSession.reset();
    callDocument("onMaturityLevelChanged", QVariant(static_cast<uint>(bank.maturityLevel)));
    scheduleCurrentQuestion();
}

void TrainingSession::StartPlayBack(bool replay)
{
    stopFeedbackTimer();
    questionTimer.stop();
    repaintCleared();
    sessionState = Asking;
    const unsigned question = bank.questions[bank.currentQuestion];
    questionStartedMs = Core::Timer::NowMs();
    if (replay)
        sound.replayNote(question);
    else
        sound.playNote(question, false);
    callDocument("onCurrentNote", QVariant(noteIndexOf(question)));
}

void TrainingSession::ReplayQuestion()
{
    // A finished session's next question waits for its summary to be read.
    if (finishedSession)
        return;
    ++replaysOfQuestion;
    StartPlayBack(true);
}

void TrainingSession::onStreamFinished()
{
    int expected = Asking;
    sessionState.compare_exchange_strong(expected, Asked);
}

void TrainingSession::processGKCEvent(int key)
{
    answerFromKey(key, AnswerSource::ScreenKeyboard);
}

void TrainingSession::processComputerKeyEvent(int key)
{
    answerFromKey(key, AnswerSource::ComputerKeyboard);
}

void TrainingSession::answerFromKey(int key, AnswerSource source)
{
    if (!isOnKeyboard(key))
        return;
    const int note = key + kLowestKeyNote;
    const Core::MidiMessage noteOn(0x90, 0, static_cast<std::uint8_t>(note), kOnScreenVelocity);
    processMidiEventFrom(Core::MidiEvent(noteOn, 0, -1.0), source);
    sound.playNote(static_cast<unsigned>(note), true);
}

void TrainingSession::processMidiEventFrom(const Core::MidiEvent &evt, Answer::Source source, const QString &port)
{
    const int state = sessionState.load();
    if (state != Asking && state != Asked)
        return;
    if (!evt.GetMessage().IsNoteOn())
        return;
    Answer answer;
    answer.note = evt.GetMessage().GetData1();
    answer.source = source;
    answer.port = port;
    answer.arrivedMs = Core::Timer::NowMs();
    answer.questionAudibleMs = questionStartedMs.load();
    sound.stopPlayback();
    emit midiAnswer(answer);
}

void TrainingSession::processMidiEvent(Core::MidiEvent evt)
{
    processMidiEventFrom(evt, Answer::Source::MidiDevice);
}

void TrainingSession::ProvideMidiAnswer(uint note)
{
    Answer answer;
    answer.note = note;
    answer.arrivedMs = Core::Timer::NowMs();
    answer.questionAudibleMs = questionStartedMs.load();
    ProvideMidiAnswer(answer);
}

void TrainingSession::ProvideMidiAnswer(const Answer &answer)
{
    const unsigned note = answer.note;
    const int state = sessionState.load();
    if (state != Asking && state != Asked)
        return;
    // The store and the history hold the answer before the user sees it,
    // the history first: a kill between the two leaves a row the store
    // takes in at the next start, never a stored answer the history lacks.
    const ScoredAnswer scored =
        bank.answer(note, [this, &answer, state](const ScoredAnswer &s) { return recordAnswer(s, answer, state); });
    if (scored.sessionFinished)
        finishedSession = scored.outcome;
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Feedback;
    const bool replayRight = !scored.correct && replayAfterWrong;
    const int pause = scored.correct ? kFeedbackCorrectMs : replayRight ? kReplayAfterWrongMs : kFeedbackWrongMs;
    feedbackTimerId = startTimer(pause, Qt::CoarseTimer);
    pendingTimerAction = AdvanceQuestion;
    showAnswer(scored.questionNote, note, scored.correct);
    callDocument("onAnswerRecieved", QVariant(scored.correct), QVariant(scored.questionIndex));
    sessionReport.showAnswer(note, scored.questionNote);
    emit answerScored(scored.questionNote, answer, scored.correct);
    if (replayRight) {
        // After the echo of the wrong key, and only while this answer is shown.
        const unsigned right = scored.questionNote;
        QTimer::singleShot(kReplayRightDelayMs, this, [this, right] {
            if (sessionState.load() == Feedback)
                sound.playNote(right, true);
        });
    }
}

qint64 TrainingSession::recordAnswer(const ScoredAnswer &scored, const Answer &answer, int stateAtAnswer)
{
    AnswerRecord record;
    record.timeUtcMs = QDateTime::currentMSecsSinceEpoch();
    // Called before the level rule of a finished session runs.
    record.level = bank.maturityLevel;
    record.questionIndex = scored.questionIndex;
    record.questionNote = scored.questionNote;
    record.answerNote = answer.note;
    record.correct = scored.correct;
    record.source = answer.originName();
    answerSource = answer.source;
    if (answer.reactionMs() >= 0)
        record.reactionMs = answer.reactionMs();
    record.duringNote = stateAtAnswer == Asking;
    record.replays = replaysOfQuestion;
    if (!history)
        return 0;
    const QString problemBefore = history->problem();
    const qint64 row = history->append(record);
    if (history->problem() != problemBefore)
        emit historyProblemChanged();
    return row;
}

void TrainingSession::onChoiceRecieve(uint note, uint /*choice*/)
{
    bank.scoreAnswer(note);
}

void TrainingSession::timerEvent(QTimerEvent * /*event*/)
{
    stopFeedbackTimer();
    if (pendingTimerAction == AdvanceQuestion)
        advanceQuestion();
}

void TrainingSession::advanceQuestion()
{
    if (finishedSession) {
        finishSession();
        return;
    }
    ++bank.currentQuestion;
    if (bank.currentQuestion < bank.questionCount) {
        scheduleCurrentQuestion();
        return;
    }
    // A stored session that ran past its end (it cannot, as the bank finishes
    // a session with its last answer): the level rule runs now.
    finishedSession = bank.finishSessionWithOutcome();
    finishSession();
}

// The level rule ran with the last answer and the next session is stored;
// the user reads the summary and starts the next round when ready.
void TrainingSession::finishSession()
{
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Finished;
    sound.stopPlayback();
    if (finishedSession->perfectPitch)
        callDocument("onPerfectPitchAcquired", QVariant(finishedSession->level));
    sessionReport.showSummary(summaryForDocument(*finishedSession));
}

void TrainingSession::showAnswer(unsigned questionNote, unsigned answerNote, bool correct)
{
    const int questionKey = static_cast<int>(questionNote) - kLowestKeyNote;
    const int answerKey = static_cast<int>(answerNote) - kLowestKeyNote;
    QList<int> green;
    QList<int> red;
    if (isOnKeyboard(questionKey))
        green << questionKey;
    // A MIDI key outside the 88 keys is scored wrong but has nothing to mark.
    if (!correct && isOnKeyboard(answerKey))
        red << answerKey;
    keyboard.markKeys(green, red);
    keyboard.repaintKeyboard();
}

void TrainingSession::repaintCleared()
{
    keyboard.clearKeysState();
    keyboard.repaintKeyboard();
}

void TrainingSession::callDocument(const char *function, const QVariant &a)
{
    if (!document)
        return;
    QVariant unused;
    QMetaObject::invokeMethod(document, function, Q_RETURN_ARG(QVariant, unused), Q_ARG(QVariant, a));
}

void TrainingSession::callDocument(const char *function, const QVariant &a, const QVariant &b)
{
    if (!document)
        return;
    QVariant unused;
    QMetaObject::invokeMethod(document, function, Q_RETURN_ARG(QVariant, unused), Q_ARG(QVariant, a), Q_ARG(QVariant, b));
}
