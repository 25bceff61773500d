#include "answer_history.h"

#include <pitch_classes.h>
#include "question_bank.h"
#include "test_store.h"
#include "training_session.h"

#include <QtTest>

#include <mutex>
#include <thread>

namespace {

struct KeyboardRecorder : KeyMarking {
    QList<int> green;
    QList<int> red;
    int clears = 0;
    void clearKeysState() override
    {
        green.clear();
        red.clear();
        ++clears;
    }
    void markKeys(const QList<int> &g, const QList<int> &r) override
    {
        green += g;
        red += r;
    }
    void repaintKeyboard() override {}
};

// Sound output as the session sees it; stopPlayback also runs on the MIDI thread.
struct SoundRecorder : NoteOutput {
    std::mutex mutex;
    QList<QPair<unsigned, bool>> played;
    int stops = 0;
    int noises = 0;
    // The output's latency when known: a question is audible this long
    // after it is played.
    std::int64_t latencyMs = 0;
    std::int64_t audibleSinceMs(std::int64_t playedMs) const override { return playedMs + latencyMs; }
    void playMaskingNoise(double) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        ++noises;
    }
    void playNote(unsigned note, bool echo) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        played << qMakePair(note, echo);
    }
    void stopPlayback() override
    {
        std::lock_guard<std::mutex> lock(mutex);
        ++stops;
    }
    int stopCount()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return stops;
    }
};

} // namespace

// Stands in for the main document: records the four functions the engine
// calls, and what the session report tells.
class DocumentRecorder : public QObject {
    Q_OBJECT
public:
    QList<uint> currentNotes;
    QList<QPair<bool, uint>> answers;
    QList<uint> levelChanges;
    QList<uint> perfectPitch;
    QList<QVariantMap> summaries;
    QList<QPair<uint, uint>> answerNotes;  // (answer, question)

    Q_INVOKABLE QVariant onCurrentNote(const QVariant &note)
    {
        currentNotes << note.toUInt();
        return {};
    }
    Q_INVOKABLE QVariant onAnswerRecieved(const QVariant &correct, const QVariant &index)
    {
        answers << qMakePair(correct.toBool(), index.toUInt());
        return {};
    }
    Q_INVOKABLE QVariant onMaturityLevelChanged(const QVariant &level)
    {
        levelChanges << level.toUInt();
        return {};
    }
    Q_INVOKABLE QVariant onPerfectPitchAcquired(const QVariant &level)
    {
        perfectPitch << level.toUInt();
        return {};
    }
};

class TrainingSessionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QuestionBank> bank;
    std::unique_ptr<KeyboardRecorder> keys;
    std::unique_ptr<SoundRecorder> sound;
    std::unique_ptr<DocumentRecorder> document;
    std::unique_ptr<TrainingSession> session;
    QTemporaryDir historyDir;
    std::unique_ptr<AnswerHistory> history;

    int historyFiles = 0;

    unsigned question() const { return bank->questions[bank->currentQuestion]; }

    QList<AnswerRecord> historyRows() const
    {
        QList<AnswerRecord> rows;
        history->forEach([&rows](const AnswerRecord &r) { rows << r; });
        return rows;
    }
    int keyOf(unsigned note) const { return int(note) - 21; }

    // Starts a session whose first question plays at once.
    void startAt(int level)
    {
        TrainingSession::firstPlayPending = true;
        session->StartNewSession(level);
        QCOMPARE(session->state(), int(TrainingSession::Asking));
    }

private slots:
    void init()
    {
        TestStore::freshStore();
        bank = std::make_unique<QuestionBank>();
        keys = std::make_unique<KeyboardRecorder>();
        sound = std::make_unique<SoundRecorder>();
        document = std::make_unique<DocumentRecorder>();
        session = std::make_unique<TrainingSession>(*bank, *keys, *sound);
        session->setDocument(document.get());
        DocumentRecorder *recorder = document.get();
        SessionReport *report = &session->report();
        connect(report, &SessionReport::answerShown, recorder, [recorder, report] {
            recorder->answerNotes << qMakePair(uint(report->answerNote()), uint(report->questionNote()));
        });
        connect(report, &SessionReport::sessionFinished, recorder,
                [recorder, report] { recorder->summaries << report->summary(); });
        history = std::make_unique<AnswerHistory>(historyDir.filePath(QString("history-%1.sqlite").arg(++historyFiles)));
        session->setHistory(history.get());
        QObject::connect(session.get(), &TrainingSession::midiAnswer, session.get(),
            qOverload<const Answer &>(&TrainingSession::ProvideMidiAnswer));
    }

    void cleanup()
    {
        session.reset();
    }

    void firstQuestionPlaysAtOnceAndLaterOnesAfterTheDelay()
    {
        startAt(2);
        QCOMPARE(document->currentNotes.size(), 1);
        QCOMPARE(document->currentNotes[0], noteIndexOf(question()));
        QCOMPARE(sound->played.last(), qMakePair(question(), false));

        session->processGKCEvent(keyOf(question()));
        QCOMPARE(session->state(), int(TrainingSession::Feedback));
        QCOMPARE(document->answers, (QList<QPair<bool, uint>>{{true, 0u}}));
        QCOMPARE(keys->green, QList<int>{keyOf(bank->questions[0])});
        QVERIFY(keys->red.isEmpty());
        QCOMPARE(sound->played.last(), qMakePair(bank->questions[0], true)); // the echo

        // The pause ends: the next question is scheduled and the sound stopped,
        // but it is posed only after the delay; the marks stay until then.
        const int stopsBefore = sound->stopCount();
        QTRY_COMPARE_WITH_TIMEOUT(bank->currentQuestion, 1u, 5000);
        QCOMPARE(document->currentNotes.size(), 1);
        QVERIFY(sound->stopCount() > stopsBefore);
        QCOMPARE(keys->green.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(document->currentNotes.size(), 2, 5000);
        QCOMPARE(session->state(), int(TrainingSession::Asking));
        QVERIFY(keys->green.isEmpty());
        QCOMPARE(sound->played.last(), qMakePair(question(), false));
    }

    void answersOutsideAskingAreIgnoredButKeysStillSound()
    {
        session->processGKCEvent(39);
        QCOMPARE(session->state(), int(TrainingSession::Idle));
        QVERIFY(document->answers.isEmpty());
        QCOMPARE(bank->incorrectCount + bank->correctCount, 0u);
        QCOMPARE(sound->played, (QList<QPair<unsigned, bool>>{{60u, true}}));
        QCOMPARE(sound->stopCount(), 0);

        startAt(1);
        session->processGKCEvent(keyOf(question()) + 1);
        QCOMPARE(document->answers.size(), 1);
        session->processGKCEvent(keyOf(question()));
        session->ProvideMidiAnswer(question());
        QCOMPARE(document->answers.size(), 1);
        QCOMPARE(bank->incorrectCount + bank->correctCount, 1u);
    }

    void aWrongOctaveMarksBothKeys()
    {
        startAt(1);
        const unsigned q = question();
        const unsigned answer = q == 96 ? 84 : q + 12;
        session->processGKCEvent(keyOf(answer));
        QCOMPARE(document->answers.last().first, false);
        QCOMPARE(keys->green, QList<int>{keyOf(q)});
        QCOMPARE(keys->red, QList<int>{keyOf(answer)});
    }

    void aMidiNoteOffTheKeyboardIsWrongAndMarksOnlyTheQuestion()
    {
        startAt(1);
        session->ProvideMidiAnswer(5);
        QCOMPARE(document->answers.last().first, false);
        QCOMPARE(keys->green, QList<int>{keyOf(question())});
        QVERIFY(keys->red.isEmpty());
    }

    void theEndOfANoteMovesAskingToAskedOnly()
    {
        startAt(1);
        std::thread([this] { session->onStreamFinished(); }).join();
        QCOMPARE(session->state(), int(TrainingSession::Asked));
        session->ProvideMidiAnswer(question());
        QCOMPARE(session->state(), int(TrainingSession::Feedback));
        std::thread([this] { session->onStreamFinished(); }).join();
        QCOMPARE(session->state(), int(TrainingSession::Feedback));
    }

    void replayDuringThePauseCancelsTheAdvance()
    {
        startAt(1);
        const unsigned q = question();
        session->processGKCEvent(keyOf(q));
        session->ReplayQuestion();
        QCOMPARE(session->state(), int(TrainingSession::Asking));
        QCOMPARE(document->currentNotes.size(), 2);
        QTest::qWait(800);
        QCOMPARE(bank->currentQuestion, 0u);
        session->processGKCEvent(keyOf(q));
        QCOMPARE(document->answers, (QList<QPair<bool, uint>>{{true, 0u}, {true, 0u}}));
        QCOMPARE(bank->correctCount, 2u);
    }

    void aWholeSessionAnswersEveryQuestionOnceAndRaisesTheLevel()
    {
        startAt(1);
        QList<unsigned> asked;
        for (uint i = 0; i < 7; ++i) {
            QTRY_COMPARE_WITH_TIMEOUT(session->state(), int(TrainingSession::Asking), 5000);
            QCOMPARE(bank->currentQuestion, i);
            asked << question();
            if (i == 2)
                session->ReplayQuestion();
            session->processGKCEvent(keyOf(question()) + (i == 6 ? 1 : 0));
        }
        QList<QPair<bool, uint>> expected;
        for (uint i = 0; i < 7; ++i)
            expected << qMakePair(i != 6, i);
        QCOMPARE(document->answers, expected);
        // The level rule ran with the last answer, before its pause.
        QCOMPARE(bank->maturityLevel, 2u);
        QCOMPARE(bank->questions.size(), std::size_t(14));
        QCOMPARE(bank->currentQuestion, 0u);

        // Every answer is in the history, as it was given.
        const QList<AnswerRecord> rows = historyRows();
        QCOMPARE(rows.size(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(rows[i].questionIndex, unsigned(i));
            QCOMPARE(rows[i].questionNote, asked[i]);
            QCOMPARE(rows[i].correct, i != 6);
            QCOMPARE(rows[i].level, 1u);
            QCOMPARE(rows[i].source, QString("screen keyboard"));
            QVERIFY(rows[i].duringNote);
            QVERIFY(rows[i].reactionMs >= 0 && rows[i].reactionMs < 5000);
            QCOMPARE(rows[i].replays, i == 2 ? 1u : 0u);
        }

        // After the pause the summary shows, and nothing is asked until the
        // user starts the next round.
        QTRY_COMPARE_WITH_TIMEOUT(document->summaries.size(), 1, 5000);
        QCOMPARE(document->summaries[0]["headline"].toString(), QString("Level 1 passed: C and D next"));
        QCOMPARE(document->summaries[0]["correct"].toUInt(), 6u);
        QCOMPARE(session->state(), int(TrainingSession::Finished));
        QVERIFY(keys->green.isEmpty());
        const int posed = document->currentNotes.size();
        session->ReplayQuestion();
        QTest::qWait(500);
        QCOMPARE(document->currentNotes.size(), posed);
        QVERIFY(document->levelChanges.isEmpty());

        session->NextRound();
        QCOMPARE(document->levelChanges, QList<uint>{2u});
        QTRY_COMPARE_WITH_TIMEOUT(session->state(), int(TrainingSession::Asking), 5000);
        QTest::qWait(400);
        QCOMPARE(document->currentNotes.size(), posed + 1);
        QCOMPARE(document->currentNotes.last(), noteIndexOf(bank->questions[0]));
    }

    void aLevelClickDuringThePauseAsksTheNewFirstQuestionOnce()
    {
        for (int delayMs : {50, 150, 250, 350}) {
            startAt(1);
            session->processGKCEvent(keyOf(question()));
            QTest::qWait(delayMs);
            session->StartNewSession(2);
            const int posed = document->currentNotes.size();
            QTest::qWait(1000);
            QCOMPARE(document->currentNotes.size(), posed + 1);
            QCOMPARE(bank->currentQuestion, 0u);
            QCOMPARE(document->currentNotes.last(), noteIndexOf(bank->questions[0]));
        }
    }

    void passingTheLastLevelPosesNothingMore()
    {
        startAt(12);
        bank->currentQuestion = 83;
        bank->correctCount = 60;
        session->ReplayQuestion();
        session->processGKCEvent(keyOf(question()));
        QTRY_COMPARE_WITH_TIMEOUT(document->perfectPitch, QList<uint>{12u}, 5000);
        QCOMPARE(session->state(), int(TrainingSession::Finished));
        QCOMPARE(document->summaries.last()["headline"].toString(), QString("Perfect pitch: all twelve notes"));
        const int posed = document->currentNotes.size();
        QTest::qWait(600);
        QCOMPARE(document->currentNotes.size(), posed);
        QCOMPARE(bank->maturityLevel, 12u);
        QCOMPARE(bank->questions.size(), std::size_t(84));
        QVERIFY(document->levelChanges.isEmpty());
    }

    void midiKeyboardAnswersAreScoredOnTheGuiThread()
    {
        startAt(1);
        const unsigned q = question();
        auto send = [this](std::uint8_t status, std::uint8_t note, std::uint8_t velocity) {
            std::thread([=] {
                session->processMidiEvent(Core::MidiEvent(Core::MidiMessage(status, 0, note, velocity), 0, 0.0));
            }).join();
        };
        send(0x90, static_cast<std::uint8_t>(q), 0); // a note-on with velocity 0 releases
        send(0x80, static_cast<std::uint8_t>(q), 64);
        send(0xB0, 64, 127);
        QCoreApplication::processEvents();
        QVERIFY(document->answers.isEmpty());
        QCOMPARE(sound->stopCount(), 0);

        // A chord: every note-on is emitted, only the first is scored.
        QSignalSpy scored(session.get(), &TrainingSession::answerScored);
        std::thread([=] {
            for (int i = 0; i < 3; ++i)
                session->processMidiEvent(
                    Core::MidiEvent(Core::MidiMessage(0x99, 0, static_cast<std::uint8_t>(q + 4 * i), 90), 0, 0.0));
        }).join();
        QVERIFY(document->answers.isEmpty()); // queued to this thread
        QTRY_COMPARE(document->answers.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(document->answers, (QList<QPair<bool, uint>>{{true, 0u}}));
        QCOMPARE(bank->correctCount + bank->incorrectCount, 1u);
        QCOMPARE(sound->stopCount(), 3);
        QVERIFY(sound->played.size() == 1); // no echo for MIDI keys
        QCOMPARE(session->lastAnswerSource(), TrainingSession::AnswerSource::MidiDevice);
        // The answer scored is the one made on the input thread, its origin
        // and its times with it.
        QCOMPARE(scored.size(), 1);
        const Answer given = scored.first().at(1).value<Answer>();
        QCOMPARE(given.note, unsigned(q));
        QCOMPARE(given.source, Answer::Source::MidiDevice);
        QCOMPARE(given.originName(), QString("MIDI"));
        QVERIFY(given.questionAudibleMs >= 0);
        QVERIFY(given.reactionMs() >= 0);
    }

    // Screen and computer keys are scored alike and told apart by source;
    // with "pause and replay" a wrong answer holds the next question for 2 s
    // while the right note sounds once more after the wrong key's echo.
    void aWrongAnswerCanPauseAndPlayTheRightNoteAgain()
    {
        startAt(1);
        session->processGKCEvent(keyOf(question()));
        QCOMPARE(session->lastAnswerSource(), TrainingSession::AnswerSource::ScreenKeyboard);
        QCOMPARE(document->answerNotes.last(), qMakePair(question(), question()));
        QTRY_COMPARE_WITH_TIMEOUT(session->state(), int(TrainingSession::Asking), 5000);

        session->setReplayAfterWrong(true);
        const unsigned q = question();
        const unsigned wrong = q + 2;
        session->processComputerKeyEvent(keyOf(wrong));
        QCOMPARE(session->lastAnswerSource(), TrainingSession::AnswerSource::ComputerKeyboard);
        QCOMPARE(document->answers.last().first, false);
        QCOMPARE(document->answerNotes.last(), qMakePair(wrong, q));
        QCOMPARE(sound->played.last(), qMakePair(wrong, true));  // the echo first
        QTRY_COMPARE_WITH_TIMEOUT(sound->played.last(), qMakePair(q, true), 1500);
        QTest::qWait(600);
        QCOMPARE(session->state(), int(TrainingSession::Feedback));
        QCOMPARE(bank->currentQuestion, 1u);
        QTRY_COMPARE_WITH_TIMEOUT(bank->currentQuestion, 2u, 5000);

        // A key off the keyboard answers nothing.
        QTRY_COMPARE_WITH_TIMEOUT(session->state(), int(TrainingSession::Asking), 5000);
        session->processComputerKeyEvent(88);
        QCOMPARE(session->state(), int(TrainingSession::Asking));
    }

    // The stored reaction time runs from when the question became audible:
    // with a known output latency, exactly that much less than from when it
    // was played. With relative pitch blocked, noise fills the pause before
    // the next question.
    void reactionRunsFromTheAudibleOnsetAndNoiseFillsTheBlockedPause()
    {
        sound->latencyMs = 37;
        session->setBlockRelativePitch(true);
        startAt(2);
        QTest::qWait(60);
        session->processGKCEvent(keyOf(question()));
        const QList<AnswerRecord> rows = historyRows();
        QCOMPARE(rows.size(), 1);
        QVERIFY(rows[0].reactionMs >= 60);
        QCOMPARE(rows[0].audibleReactionMs, rows[0].reactionMs - 37);
        QCOMPARE(rows[0].course, QStringLiteral("levels"));
        // The pause: the noise, then the next question.
        const int playedBefore = sound->played.size();
        QTRY_COMPARE(sound->noises, 1);
        QTRY_COMPARE_WITH_TIMEOUT(session->state(), int(TrainingSession::Asking), 5000);
        QCOMPARE(sound->played.size(), playedBefore + 1);
    }

    // The adaptive course asks its own questions and leaves the twelve
    // levels' session as it was; its answers go to the history as its own
    // and the store keeps its question.
    void theAdaptiveCourseLeavesTheLevelsSessionAsItWas()
    {
        startAt(3);
        const std::vector<std::uint32_t> levelQuestions = bank->questions;
        session->setAdaptive(true);
        QCOMPARE(session->state(), int(TrainingSession::Idle));
        QCOMPARE(bank->adaptiveStartClasses, 3);
        session->ContinueSession();
        QTRY_COMPARE(session->state(), int(TrainingSession::Asking));
        for (int i = 0; i < 3; ++i) {
            QTRY_COMPARE_WITH_TIMEOUT(session->state(), int(TrainingSession::Asking), 5000);
            const unsigned q = session->currentQuestionNote();
            QVERIFY(q >= 24 && q <= 107 && Course::classOfNote(int(q)) < 3);
            session->processGKCEvent(keyOf(i == 1 ? q + 1 : q));
            QCOMPARE(document->answers.last(), qMakePair(i != 1, uint(i)));
            QCOMPARE(bank->adaptiveNote, int(session->currentQuestionNote()));
        }
        const QList<AnswerRecord> rows = historyRows();
        QCOMPARE(rows.size(), 3);
        for (const AnswerRecord &r : rows)
            QCOMPARE(r.course, QStringLiteral("adaptive"));
        QVERIFY(bank->questions == levelQuestions);
        QCOMPARE(bank->currentQuestion, 0u);
        QCOMPARE(bank->correctCount + bank->incorrectCount, 0u);
        session->setAdaptive(false);
        QCOMPARE(session->currentQuestionNote(), levelQuestions[0]);
    }

    void newSessionAtAnOutOfRangeLevelStartsLevelOne()
    {
        startAt(13);
        QCOMPARE(bank->maturityLevel, 1u);
        startAt(0);
        QCOMPARE(bank->maturityLevel, 1u);
    }
};

ORVELLE_TEST_MAIN(TrainingSessionTest, QCoreApplication)
#include "test_training_session.moc"
