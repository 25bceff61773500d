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
    QTimer::singleShot(kNextQuestionDelayMs, this, [this] { StartPlayBack(); });
    sound.stopPlayback();
}

void TrainingSession::StartNewSession(QVariant maturityLevel)
{
    bank.setLevel(maturityLevel.toInt());
    scheduleCurrentQuestion();
}

void TrainingSession::StartPlayBack(bool replay)
{
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Asking;
    const unsigned question = bank.questions[bank.currentQuestion];
    if (replay)
        sound.replayNote(question);
    else
        sound.playNote(question, false);
    callDocument("onCurrentNote", QVariant(noteIndexOf(question)));
}

void TrainingSession::ReplayQuestion()
{
    StartPlayBack(true);
}

void TrainingSession::onStreamFinished()
{
    int expected = Asking;
    sessionState.compare_exchange_strong(expected, Asked);
}

void TrainingSession::processGKCEvent(int key)
{
    const int note = key + kLowestKeyNote;
    const Core::MidiMessage noteOn(0x90, 0, static_cast<std::uint8_t>(note), kOnScreenVelocity);
    processMidiEvent(Core::MidiEvent(noteOn, 0, -1.0));
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
    stopFeedbackTimer();
    repaintCleared();
    sessionState = Feedback;
    feedbackTimerId = startTimer(scored.correct ? kFeedbackCorrectMs : kFeedbackWrongMs, Qt::CoarseTimer);
    pendingTimerAction = AdvanceQuestion;
    showAnswer(scored.questionNote, note, scored.correct);
    callDocument("onAnswerRecieved", QVariant(scored.correct), QVariant(static_cast<uint>(bank.currentQuestion)));
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
