// The program's MIDI side without a window, against real JACK ports: the
// session's questions reach the synth port, key presses at the keyboard port
// are scored on the main thread, and re-wiring while the input thread delivers
// is safe.

#include "jack_fixture.h"
#include "question_bank.h"
#include "sound_system.h"
#include "test_store.h"
#include "training_session.h"

#include <midi/midi_backend.h>
#include <midi/midi_device_rt.h>

#include <QtTest>

#include <atomic>
#include <thread>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct NoKeyboard : KeyMarking {
    void clearKeysState() override {}
    void markKeys(const QList<int> &, const QList<int> &) override {}
    void repaintKeyboard() override {}
};

bool isNoteOn(const Bytes &b, unsigned note)
{
    return b == Bytes{0x90, static_cast<std::uint8_t>(note), 0x60};
}

} // namespace

class SoundSystemTest : public QObject {
    Q_OBJECT

    std::unique_ptr<JackMidiPeer> peer;
    std::unique_ptr<QuestionBank> bank;
    NoKeyboard keys;
    std::unique_ptr<SoundSystem> sound;
    std::unique_ptr<TrainingSession> session;
    bool outputWarmedUp = false;

    unsigned question() const { return bank->questions[bank->currentQuestion]; }

    bool noteOnArrives(unsigned note, std::size_t from, int timeoutMs = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const auto messages = peer->received();
            for (std::size_t i = from; i < messages.size(); ++i)
                if (isNoteOn(messages[i].bytes, note))
                    return true;
            QTest::qWait(5);
        }
        return false;
    }

    // The program's MIDI side, with the stored choices given.
    void startSound(const QString &input = QString(), const QString &output = QString())
    {
        bank = std::make_unique<QuestionBank>();
        sound = std::make_unique<SoundSystem>(Core::SoundController::BuiltInOutputFactory());
        sound->SetInputChoice(input);
        sound->SetOutputChoice(output);
        session = std::make_unique<TrainingSession>(*bank, keys, *sound);
        QVERIFY(sound->Init(*session, session->midiAnswers()));
        connect(session.get(), &TrainingSession::midiAnswer, session.get(),
            qOverload<const Answer &>(&TrainingSession::ProvideMidiAnswer));
    }

    void stopSound()
    {
        sound.reset(); // first: no more input reaches the session
        session.reset();
        bank.reset();
    }

    // Rescans once the servers list these many foreign ports: enumerating
    // in a tight loop while a client closes can stall the dummy server.
    void rescanWhenListed(int inputs, int outputs)
    {
        QTRY_VERIFY(Core::MidiBackend::InputPortNames().size() == inputs &&
                    Core::MidiBackend::OutputPortNames().size() == outputs);
        QVERIFY(sound->RescanDevices());
    }

    // Presses the question's key on a peer's keyboard until it is scored (an
    // overloaded dummy server may drop a cycle's MIDI); false if never.
    bool answerFrom(JackMidiPeer &from, unsigned expectedTotal)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            from.send({0x90, static_cast<std::uint8_t>(question()), 70});
            for (int waited = 0; waited < 1500; waited += 10) {
                if (bank->correctCount + bank->incorrectCount >= expectedTotal)
                    return true;
                QTest::qWait(10);
            }
        }
        return false;
    }

private slots:
    void init()
    {
        TestStore::freshStore();
        peer = std::make_unique<JackMidiPeer>("peer");
        QVERIFY(peer->isOpen());
        startSound();
        QCOMPARE(sound->AnsweringInputName(), peer->keyboardPortName());
        if (!outputWarmedUp)
            QVERIFY(peer->awaitDelivery([&] { sound->stopPlayback(); }));
        outputWarmedUp = true;
    }

    void cleanup()
    {
        stopSound();
        peer.reset();
    }

    void aLoopbackPortListedFirstNeverAnswers()
    {
        stopSound();
        peer.reset();
        JackMidiPeer through("Midi Through", true, false);
        peer = std::make_unique<JackMidiPeer>("peer");
        startSound();
        QCOMPARE(sound->Controller()->GetInDevice(0)->GetName(), through.keyboardPortName());
        QCOMPARE(sound->AnsweringInputName(), peer->keyboardPortName());

        TrainingSession::firstPlayPending = true;
        session->StartNewSession(1);
        QVERIFY(noteOnArrives(question(), 0));
        through.send({0x90, static_cast<std::uint8_t>(question()), 70});
        QTest::qWait(500);
        QCOMPARE(bank->correctCount + bank->incorrectCount, 0u);
        QVERIFY(answerFrom(*peer, 1));
        QCOMPARE(bank->correctCount, 1u);
    }

    void everyKeyboardAnswersAndTheStoredChoiceFollowsItsName()
    {
        auto second = std::make_unique<JackMidiPeer>("second", true, false);
        QVERIFY(sound->RescanDevices());
        sound->ConnectMidiDevices();
        TrainingSession::firstPlayPending = true;
        session->StartNewSession(1);
        QVERIFY(noteOnArrives(question(), 0));
        QVERIFY(answerFrom(*second, 1));
        QCOMPARE(sound->AnsweringInputName(), second->keyboardPortName());

        // Chosen by name: the first keyboard's port goes away, the chosen one
        // moves up the list and is still the one that answers, alone.
        const QString chosen = second->keyboardPortName();
        stopSound();
        startSound(chosen);
        QVERIFY(!sound->InputChoiceMissing());
        peer.reset();
        rescanWhenListed(1, 0);
        sound->ConnectMidiDevices();
        QCOMPARE(sound->Controller()->GetInDevice(0)->GetName(), chosen);
        TrainingSession::firstPlayPending = true;
        session->StartNewSession(1);
        QVERIFY(answerFrom(*second, 1));

        // Gone: the choice stays, every keyboard answers meanwhile; back: it alone.
        peer = std::make_unique<JackMidiPeer>("peer");
        second.reset();
        rescanWhenListed(1, 1);
        sound->ConnectMidiDevices();
        QCOMPARE(sound->InputChoice(), chosen);
        QVERIFY(sound->InputChoiceMissing());
        QCOMPARE(sound->AnsweringInputName(), peer->keyboardPortName());
        second = std::make_unique<JackMidiPeer>("second", true, false);
        rescanWhenListed(2, 1);
        sound->ConnectMidiDevices();
        QVERIFY(!sound->InputChoiceMissing());
        QCOMPARE(sound->AnsweringInputName(), chosen);
        const unsigned before = bank->correctCount + bank->incorrectCount;
        QTRY_VERIFY(session->state() == TrainingSession::Asked || session->state() == TrainingSession::Asking);
        peer->send({0x90, static_cast<std::uint8_t>(question()), 70});
        QTest::qWait(400);
        QCOMPARE(bank->correctCount + bank->incorrectCount, before);
    }

    void theChosenOutputSoundsAndFallsBackWhileItIsGone()
    {
        auto external = std::make_unique<JackMidiPeer>("external", false, true);
        QVERIFY(sound->RescanDevices());
        sound->SetOutputChoice(external->synthPortName());
        sound->ConnectMidiDevices();
        // A device change resets the new output in full, and never changes its program.
        QTRY_VERIFY(external->receivedCount() >= 48);
        for (const auto &m : external->received())
            QVERIFY((m.bytes[0] & 0xF0) != 0xC0);
        QVERIFY(external->awaitDelivery([&] { sound->stopPlayback(); }));
        const std::size_t atPeer = peer->receivedCount();
        sound->playNote(64, false);
        QVERIFY([&] {
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 5000) {
                for (const auto &m : external->received())
                    if (isNoteOn(m.bytes, 64))
                        return true;
                QTest::qWait(5);
            }
            return false;
        }());
        QVERIFY(!noteOnArrives(64, atPeer, 200));

        external.reset();
        rescanWhenListed(1, 1);
        sound->ConnectMidiDevices();
        QVERIFY(sound->OutputChoiceMissing());
        QCOMPARE(sound->CurrentOutput()->GetName(), peer->synthPortName());
        const std::size_t before = peer->receivedCount();
        sound->playNote(65, false);
        QVERIFY(noteOnArrives(65, before));

        external = std::make_unique<JackMidiPeer>("external", false, true);
        rescanWhenListed(1, 2);
        sound->ConnectMidiDevices();
        QCOMPARE(sound->CurrentOutput()->GetName(), external->synthPortName());
    }

    void aKeyPressAnswersTheSoundingQuestion()
    {
        TrainingSession::firstPlayPending = true;
        session->StartNewSession(1);
        const unsigned q = question();
        QVERIFY(noteOnArrives(q, 0));

        // An overloaded JACK server on the dummy driver may drop a cycle's
        // MIDI: a press that was not scored is pressed again.
        for (int attempt = 0; attempt < 3 && bank->correctCount == 0; ++attempt) {
            peer->send({0x90, static_cast<std::uint8_t>(q), 70});
            for (int waited = 0; waited < 2000 && bank->correctCount == 0; waited += 10)
                QTest::qWait(10);
        }
        QCOMPARE(bank->correctCount, 1u);
        QCOMPARE(session->state(), int(TrainingSession::Feedback));
        // The answer stopped the question: its note falls silent.
        QTRY_VERIFY([&] {
            for (const auto &m : peer->received())
                if (m.bytes == Bytes{0xB0, 120, 0})
                    return true;
            return false;
        }());
    }

    void aFloodOfInputScoresOneAnswerPerQuestion()
    {
        TrainingSession::firstPlayPending = true;
        session->StartNewSession(1);
        QVERIFY(noteOnArrives(question(), 0));

        // Clock bytes, stray controllers and a chord of every note at once.
        for (int i = 0; i < 200; ++i)
            peer->send({0xF8});
        for (std::uint8_t note = 21; note <= 108; ++note)
            peer->send({0x90, note, 100});
        peer->send({0xB0, 7, 0});
        QTRY_COMPARE(bank->correctCount + bank->incorrectCount, 1u);
        QTest::qWait(200);
        QCOMPARE(bank->correctCount + bank->incorrectCount, 1u);
    }

    void rewiringWhileTheInputThreadDeliversIsSafe()
    {
        TrainingSession::firstPlayPending = true;
        session->StartNewSession(1);
        std::atomic<bool> flooding{true};
        std::thread flood([&] {
            std::uint8_t note = 21;
            while (flooding) {
                peer->send({0x90, note, 100});
                peer->send({0xF8});
                note = note == 108 ? 21 : note + 1;
                std::this_thread::sleep_for(std::chrono::microseconds(300));
            }
        });
        // Listener and connector re-targeted while events arrive; questions
        // keep being posed and answered meanwhile.
        for (int i = 0; i < 20; ++i) {
            sound->ConnectMidiDevices();
            session->ReplayQuestion();
            QTest::qWait(20);
        }
        flooding = false;
        flood.join();
        QVERIFY(bank->correctCount + bank->incorrectCount >= 1);

        // The keyboard's port goes under a listener that still holds its
        // device; it comes back and a re-wiring attaches the new device.
        peer.reset();
        rescanWhenListed(0, 0);
        sound->ConnectMidiDevices();
        QVERIFY(sound->AnsweringInputName().isEmpty());
        peer = std::make_unique<JackMidiPeer>("peer");
        rescanWhenListed(1, 1);
        sound->ConnectMidiDevices();
        QCOMPARE(sound->AnsweringInputName(), peer->keyboardPortName());
    }

    void aNewNoteCutsTheSoundingOneWithoutItsNoteOff()
    {
        sound->playNote(60, false);
        QVERIFY(noteOnArrives(60, 0));
        const std::size_t before = peer->receivedCount();
        sound->playNote(62, true);
        QVERIFY(noteOnArrives(62, before));
        const auto messages = peer->received();
        int resets = 0;
        for (std::size_t i = before; i < messages.size() && !isNoteOn(messages[i].bytes, 62); ++i) {
            QVERIFY2(messages[i].bytes[0] != 0x80, "the cut note's note-off was sent");
            ++resets;
        }
        // Between questions only what silences the sounding note: the full
        // reset of 48 messages would hold back the new note on a slow cable.
        QCOMPARE(resets, 2);
    }
};

ORVELLE_TEST_MAIN(SoundSystemTest, QCoreApplication)
#include "test_sound_system.moc"
