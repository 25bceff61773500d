// The program's MIDI side without a window, against real JACK ports: the
// session's questions reach the synth port, key presses at the keyboard port
// are scored on the main thread, and re-wiring while the input thread delivers
// is safe.

#include "jack_fixture.h"
#include "question_bank.h"
#include "sound_system.h"
#include "test_store.h"
#include "training_session.h"

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

private slots:
    void init()
    {
        TestStore::freshStore();
        peer = std::make_unique<JackMidiPeer>("peer");
        QVERIFY(peer->isOpen());
        bank = std::make_unique<QuestionBank>();
        sound = std::make_unique<SoundSystem>(Core::SoundController::BuiltInOutputFactory());
        session = std::make_unique<TrainingSession>(*bank, keys, *sound);
        QVERIFY(sound->Init(*session));
        connect(session.get(), SIGNAL(midiAnswer(uint)), session.get(), SLOT(ProvideMidiAnswer(uint)));
        QCOMPARE(sound->AnsweringInputName(), peer->keyboardPortName());
        if (!outputWarmedUp)
            QVERIFY(peer->awaitDelivery([&] { sound->stopPlayback(); }));
        outputWarmedUp = true;
    }

    void cleanup()
    {
        sound.reset(); // first: no more input reaches the session
        session.reset();
        bank.reset();
        peer.reset();
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
        // The answer stopped the question: the 48 resets follow it.
        QTRY_VERIFY([&] {
            int resets = 0;
            for (const auto &m : peer->received())
                resets += m.bytes.size() == 3 && (m.bytes[0] & 0xF0) == 0xB0;
            return resets >= 48;
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

        // The input list rebuilt under a listener that still holds the old
        // device: it lets go, and a re-wiring attaches it to the new one.
        QVERIFY(sound->RescanDevices());
        sound->UseFirstDevices();
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
        QCOMPARE(resets, 48);
    }
};

ORVELLE_TEST_MAIN(SoundSystemTest, QCoreApplication)
#include "test_sound_system.moc"
