#include "training_session.h"

#include "question_bank.h"

#include <QTimer>
#include <QTimerEvent>

namespace {
constexpr int kLowestKeyNote = 21; // A0, key index 0
constexpr int kKeyCount = 88;
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
    if (firstPlayPending) {
        firstPlayPending = false;
        StartPlayBack();
        return;
    }
    QTimer::singleShot(kNextQuestionDelayMs, this, &TrainingSession::StartPlayBack);
    sound.stopPlayback();
}

void TrainingSession::StartNewSession(QVariant maturityLevel)
{
    bank.setLevel(maturityLevel.toInt());
    scheduleCurrentQuestion();
}

void TrainingSession::StartPlayBack()
{
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Asking;
    const unsigned question = bank.questions[bank.currentQuestion];
    sound.playNote(question, false);
    callDocument("onCurrentNote", QVariant(noteIndexOf(question)));
}

void TrainingSession::ReplayQuestion()
{
    StartPlayBack();
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
    keySource = source;
    const int note = key + kLowestKeyNote;
    const Core::MidiMessage noteOn(0x90, 0, static_cast<std::uint8_t>(note), kOnScreenVelocity);
    processMidiEvent(Core::MidiEvent(noteOn, 0, -1.0));
    keySource = AnswerSource::MidiDevice;
    sound.playNote(static_cast<unsigned>(note), true);
}

void TrainingSession::processMidiEvent(Core::MidiEvent evt)
{
    const int state = sessionState.load();
    if (state != Asking && state != Asked)
        return;
    if (!evt.GetMessage().IsNoteOn())
        return;
    sound.stopPlayback();
    emit midiAnswer(evt.GetMessage().GetData1());
}

void TrainingSession::ProvideMidiAnswer(uint note)
{
    const int state = sessionState.load();
    if (state != Asking && state != Asked)
        return;
    const ScoredAnswer scored = bank.scoreAnswer(note);
    answerSource = keySource;
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Feedback;
    const bool replayRight = !scored.correct && replayAfterWrong;
    const int pause = scored.correct ? kFeedbackCorrectMs : replayRight ? kReplayAfterWrongMs : kFeedbackWrongMs;
    feedbackTimerId = startTimer(pause, Qt::CoarseTimer);
    pendingTimerAction = AdvanceQuestion;
    showAnswer(scored.questionNote, note, scored.correct);
    callDocument("onAnswerRecieved", QVariant(scored.correct), QVariant(static_cast<uint>(bank.currentQuestion)));
    callDocument("onAnswerNotes", QVariant(note), QVariant(scored.questionNote));
    emit answerScored(scored.questionNote, note, scored.correct, answerSource);
    if (replayRight) {
        // After the echo of the wrong key, and only while this answer is shown.
        const unsigned right = scored.questionNote;
        QTimer::singleShot(kReplayRightDelayMs, this, [this, right] {
            if (sessionState.load() == Feedback)
                sound.playNote(right, true);
        });
    }
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
    ++bank.currentQuestion;
    if (bank.currentQuestion < bank.questionCount) {
        scheduleCurrentQuestion();
        return;
    }
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Finished;
    const unsigned levelBefore = bank.maturityLevel;
    const bool perfect = bank.finishSession();
    if (perfect) {
        callDocument("onPerfectPitchAcquired", QVariant(levelBefore));
        return;
    }
    callDocument("onMaturityLevelChanged", QVariant(static_cast<uint>(bank.maturityLevel)));
    scheduleCurrentQuestion();
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
