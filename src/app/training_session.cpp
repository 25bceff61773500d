#include "training_session.h"

#include "question_bank.h"
#include "session_summary.h"

#include <answer_history.h>
#include <theory/piano.h>
#include <timer.h>

#include <course_texts.h>

#include <random>

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
    : QObject(parent), bank(bank), keyboard(keyboard), sound(sound),
      adaptiveCourse(bank.adaptiveStartClasses > 0 ? bank.adaptiveStartClasses : static_cast<int>(bank.maturityLevel),
                     std::random_device{}())
{
    adaptiveCourse.restore({bank.adaptiveNote, bank.adaptiveReask, bank.adaptiveRandom});
    status.update(adaptiveCourse.course());
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

void TrainingSession::scheduleCurrentQuestion(bool afterAnswer)
{
    replaysOfQuestion = 0;
    if (firstPlayPending) {
        firstPlayPending = false;
        StartPlayBack();
        return;
    }
    // Noise after an answer, so that the last note cannot lead to the next.
    if (afterAnswer && blockRelativePitch) {
        sound.playMaskingNoise(kMaskingNoiseMs / 1000.0);
        questionTimer.start(kMaskingNoiseMs + kNextQuestionDelayMs);
        return;
    }
    questionTimer.start(kNextQuestionDelayMs);
    sound.stopPlayback();
}

void TrainingSession::setAdaptive(bool on)
{
    if (on == adaptiveOn)
        return;
    cancelPendingAdvance();
    questionTimer.stop();
    sound.stopPlayback();
    repaintCleared();
    finishedRound.reset();
    adaptiveOn = on;
    sessionState = Idle;
    // A learner past level 2 begins with that level's classes; once begun,
    // the course keeps the classes it began with.
    if (on && bank.adaptiveStartClasses == 0) {
        adaptiveCourse.startWithAtLeast(static_cast<int>(bank.maturityLevel));
        bank.adaptiveStartClasses = adaptiveCourse.startClasses();
        bank.save();
        status.update(adaptiveCourse.course());
    }
    status.setAdaptive(on);
}

void TrainingSession::takeCourseHistory(const std::vector<Course::CourseAnswer> &answers, std::int64_t lastRowId)
{
    adaptiveCourse.takeHistory(answers, lastRowId);
    status.update(adaptiveCourse.course());
}

unsigned TrainingSession::currentQuestionNote()
{
    if (adaptiveOn)
        return static_cast<unsigned>(adaptiveCourse.question().note);
    return bank.questions[bank.currentQuestion];
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
    // The adaptive course has no levels to choose: it goes on where it is.
    if (adaptiveOn) {
        finishedRound.reset();
        scheduleCurrentQuestion();
        return;
    }
    finishedSession.reset();
    bank.setLevel(maturityLevel.toInt());
    scheduleCurrentQuestion();
}

void TrainingSession::ContinueSession()
{
    if (adaptiveOn ? finishedRound.has_value() : finishedSession.has_value()) {
        NextRound();
        return;
    }
    cancelPendingAdvance();
    scheduleCurrentQuestion();
}

void TrainingSession::NextRound()
{
    if (adaptiveOn) {
        if (!finishedRound || sessionState.load() != Finished)
            return;
        finishedRound.reset();
        // The window's progress strip starts the new round.
        callDocument("onMaturityLevelChanged", QVariant(static_cast<uint>(bank.maturityLevel)));
        scheduleCurrentQuestion();
        return;
    }
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
    const unsigned question = currentQuestionNote();
    questionStartedMs = Core::Timer::NowMs();
    if (replay)
        sound.replayNote(question);
    else
        sound.playNote(question, false);
    callDocument("onCurrentNote", QVariant(noteIndexOf(question)));
}

void TrainingSession::pause()
{
    if (paused)
        return;
    paused = true;
    stateAtPause = sessionState.load();
    actionAtPause = feedbackTimerId != 0 ? pendingTimerAction : NoAction;
    questionPendingAtPause = questionTimer.isActive();
    questionTimer.stop();
    cancelPendingAdvance();
    // Idle: a note that ends now, or a late answer, changes nothing.
    sessionState = Idle;
    sound.stopPlayback();
    // The last answer's marks would give the right key away.
    repaintCleared();
}

void TrainingSession::resume()
{
    if (!paused)
        return;
    paused = false;
    repaintCleared();
    if (actionAtPause == AdvanceQuestion) {
        sessionState = Feedback;
        advanceQuestion();
    } else if (stateAtPause == Asking || stateAtPause == Asked) {
        // Asked again, in the same timbre, as if it had not been left.
        const unsigned replays = replaysOfQuestion;
        StartPlayBack(true);
        replaysOfQuestion = replays;
    } else if (questionPendingAtPause) {
        questionTimer.start();
    } else {
        sessionState = stateAtPause;
    }
}

void TrainingSession::ReplayQuestion()
{
    // A finished session's next question waits for its summary to be read.
    if (adaptiveOn ? finishedRound.has_value() : finishedSession.has_value())
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
    const bool echo = !diverted.load();
    processMidiEventFrom(Core::MidiEvent(noteOn, 0, -1.0), source);
    if (echo)
        sound.playNote(static_cast<unsigned>(note), true);
}

void TrainingSession::processMidiEventFrom(const Core::MidiEvent &evt, Answer::Source source, const QString &port)
{
    if (diverted.load()) {
        if (evt.GetMessage().IsNoteOn()) {
            Answer answer;
            answer.note = evt.GetMessage().GetData1();
            answer.source = source;
            answer.port = port;
            answer.arrivedMs = Core::Timer::NowMs();
            emit divertedAnswer(answer);
        }
        return;
    }
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
    answer.questionAudibleMs = sound.audibleSinceMs(questionStartedMs.load());
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
    answer.questionAudibleMs = sound.audibleSinceMs(questionStartedMs.load());
    ProvideMidiAnswer(answer);
}

void TrainingSession::ProvideMidiAnswer(const Answer &answer)
{
    const unsigned note = answer.note;
    const int state = sessionState.load();
    if (state != Asking && state != Asked)
        return;
    if (adaptiveOn) {
        provideAdaptiveAnswer(answer, state);
        return;
    }
    // The store and the history hold the answer before the user sees it,
    // the history first: a kill between the two leaves a row the store
    // takes in at the next start, never a stored answer the history lacks.
    qint64 levelsRow = 0;
    const ScoredAnswer scored =
        bank.answer(note, [this, &answer, state, &levelsRow](const ScoredAnswer &s) {
            levelsRow = recordAnswer(s, answer, state, bank.maturityLevel, QStringLiteral("levels"));
            return levelsRow;
        });
    // The adaptive course learns from every answer, as from the history.
    adaptiveCourse.observe({static_cast<int>(scored.questionNote), static_cast<int>(note), courseReactionMs(answer), false},
                           levelsRow);
    status.update(adaptiveCourse.course());
    if (scored.sessionFinished)
        finishedSession = scored.outcome;
    showScored(answer, scored.questionNote, scored.correct, scored.questionIndex);
}

// The adaptive course scores the very note like the levels do (the course
// itself counts the class and the octave apart); the history gets the answer
// first, then the course, then the store its question and generator.
void TrainingSession::provideAdaptiveAnswer(const Answer &answer, int stateAtAnswer)
{
    const Course::CourseQuestion asked = adaptiveCourse.question();
    ScoredAnswer scored;
    scored.questionNote = static_cast<unsigned>(asked.note);
    scored.correct = answer.note == scored.questionNote;
    scored.questionIndex = static_cast<unsigned>(adaptiveCourse.course().roundPosition());
    const auto classes = static_cast<unsigned>(adaptiveCourse.course().unlockedCount());
    const qint64 row = recordAnswer(scored, answer, stateAtAnswer, classes, QStringLiteral("adaptive"));
    const Course::RecordedAnswer recorded =
        adaptiveCourse.answer(static_cast<int>(answer.note), courseReactionMs(answer), row);
    storeAdaptiveQuestion(row);
    if (recorded.roundEnded)
        finishedRound = adaptiveCourse.course().takeRoundSummary();
    status.update(adaptiveCourse.course());
    showScored(answer, scored.questionNote, scored.correct, scored.questionIndex);
}

// As the history gives it back at the next start: from the audible onset,
// else from the note-on being sent.
long long TrainingSession::courseReactionMs(const Answer &answer) const
{
    if (answer.reactionMs() >= 0)
        return answer.reactionMs();
    const std::int64_t started = questionStartedMs.load();
    return started >= 0 && answer.arrivedMs >= started ? answer.arrivedMs - started : -1;
}

void TrainingSession::storeAdaptiveQuestion(qint64 historyRow)
{
    const Course::StoredQuestion stored = adaptiveCourse.stored();
    bank.adaptiveNote = stored.note;
    bank.adaptiveReask = stored.reask;
    bank.adaptiveRandom = stored.randomState;
    if (historyRow > 0)
        bank.lastHistoryRow = historyRow;
    bank.save();
}

void TrainingSession::showScored(const Answer &answer, unsigned questionNote, bool correct, unsigned questionIndex)
{
    const unsigned note = answer.note;
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Feedback;
    const bool replayRight = !correct && replayAfterWrong;
    const int pause = correct ? kFeedbackCorrectMs : replayRight ? kReplayAfterWrongMs : kFeedbackWrongMs;
    feedbackTimerId = startTimer(pause, Qt::CoarseTimer);
    pendingTimerAction = AdvanceQuestion;
    showAnswer(questionNote, note, correct);
    callDocument("onAnswerRecieved", QVariant(correct), QVariant(questionIndex));
    sessionReport.showAnswer(note, questionNote, answer.reactionMs());
    emit answerScored(questionNote, answer, correct);
    if (replayRight) {
        // After the echo of the wrong key, and only while this answer is shown.
        const unsigned right = questionNote;
        QTimer::singleShot(kReplayRightDelayMs, this, [this, right] {
            if (sessionState.load() == Feedback)
                sound.playNote(right, true);
        });
    }
}

qint64 TrainingSession::recordAnswer(const ScoredAnswer &scored, const Answer &answer, int stateAtAnswer,
                                     unsigned level, const QString &course)
{
    AnswerRecord record;
    record.timeUtcMs = QDateTime::currentMSecsSinceEpoch();
    // Called before the level rule of a finished session runs.
    record.level = level;
    record.course = course;
    record.questionIndex = scored.questionIndex;
    record.questionNote = scored.questionNote;
    record.answerNote = answer.note;
    record.correct = scored.correct;
    record.source = answer.originName();
    answerSource = answer.source;
    // From the question's note-on being sent, as before; and from when it
    // became audible.
    const std::int64_t started = questionStartedMs.load();
    if (started >= 0 && answer.arrivedMs >= started)
        record.reactionMs = answer.arrivedMs - started;
    record.audibleReactionMs = answer.reactionMs();
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
    if (adaptiveOn) {
        if (finishedRound)
            finishSession();
        else
            scheduleCurrentQuestion(true);
        return;
    }
    if (finishedSession) {
        finishSession();
        return;
    }
    ++bank.currentQuestion;
    if (bank.currentQuestion < bank.questionCount) {
        scheduleCurrentQuestion(true);
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
    if (adaptiveOn) {
        sessionReport.showSummary(Course::roundSummaryForDocument(*finishedRound));
        return;
    }
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
