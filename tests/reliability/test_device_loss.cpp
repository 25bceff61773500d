// The whole program in this process with a JACK peer owning its keyboard and
// synth ports. The peer disappears in the middle of a question: the program
// must go on (bridge answers, the on-screen keyboard still scores), and when
// the ports come back and the device watch runs, nothing breaks.

#include "answer_history.h"
#include "application.h"
#include "keep_libraries.h"
#include "jack_fixture.h"
#include "keyboard_clicks.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "test_store.h"
#include "training_session.h"

#include <keyboard.h>

#include <QQuickItem>
#include <QtTest>

namespace {

constexpr int kLowestKeyNote = 21;

bool isQuestionNoteOn(const std::vector<std::uint8_t> &b, unsigned note)
{
    return b.size() == 3 && b[0] == 0x90 && b[1] == note && b[2] == 0x60;
}

} // namespace

class DeviceLossTest : public QObject {
    Q_OBJECT
public:
    DeviceLossTest(Application &application, std::unique_ptr<JackMidiPeer> &midiPeer) : app(application), peer(midiPeer)
    {
    }

private:
    Application &app;
    std::unique_ptr<JackMidiPeer> &peer;

    QuestionBank &bank() { return app.questionBank(); }
    unsigned question() { return bank().questions[bank().currentQuestion]; }
    // Every scored answer, across the ends of sessions.
    unsigned answered() { return unsigned(app.answerHistory().count()); }
    // After a session's last answer the user starts the next round.
    void goOnAfterASession()
    {
        QTest::qWait(500); // the last answer's pause
        if (app.session().state() == TrainingSession::Finished)
            app.session().NextRound();
    }
    bool waitingForAnswer()
    {
        const int state = app.session().state();
        return state == TrainingSession::Asking || state == TrainingSession::Asked;
    }
    Keyboard *keyboard() { return app.window().rootObject()->findChild<Keyboard *>("Keyboard"); }

    // The server may refuse a client for a moment after one of the same name
    // closed.
    static std::unique_ptr<JackMidiPeer> openHarnessKeyboard()
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            auto keyboard = std::make_unique<JackMidiPeer>("Harness", true, false);
            if (keyboard->isOpen())
                return keyboard;
            QTest::qWait(50);
        }
        return nullptr;
    }

    bool reachedSynth(unsigned note)
    {
        for (const auto &m : peer->received())
            if (isQuestionNoteOn(m.bytes, note))
                return true;
        return false;
    }

    // A bridge call queued to the GUI thread, as from another thread.
    bool bridgeAnswers()
    {
        struct Reply {
            QVariant level;
            bool done = false;
        };
        auto reply = std::make_shared<Reply>();
        QMetaObject::invokeMethod(
            messenger,
            [reply] {
                reply->level = messenger->property("maturityLevel");
                reply->done = true;
            },
            Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        while (!reply->done && clock.elapsed() < 5000)
            QTest::qWait(10);
        return reply->done && reply->level.toInt() >= 1;
    }

    void clickCorrectKey()
    {
        QVERIFY(keyboard());
        QTRY_VERIFY_WITH_TIMEOUT(waitingForAnswer(), 5000);
        const unsigned before = answered();
        const unsigned correctBefore = bank().correctCount;
        QVERIFY(KeyboardClicks::clickKey(*keyboard(), int(question()) - kLowestKeyNote));
        QTRY_COMPARE_WITH_TIMEOUT(answered(), before + 1, 5000);
        QVERIFY(bank().correctCount == correctBefore + 1 || bank().currentQuestion == 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
    }

    // The last case's keyboards have just closed: the program's port watch
    // is told so on JACK's thread. Its client closes with the program, which
    // must not meet those notices half way.
    void cleanupTestCase() { QTest::qWait(1000); }

    void portsVanishInTheMiddleOfAQuestion()
    {
        QMetaObject::invokeMethod(messenger, "startNewSession", Q_ARG(uint, 1));
        QTRY_VERIFY_WITH_TIMEOUT(reachedSynth(question()), 5000);
        QVERIFY(waitingForAnswer());

        peer->close(); // both ports disappear while the note sounds
        QTest::qWait(300);
        QVERIFY(bridgeAnswers());
        QVERIFY(waitingForAnswer());

        clickCorrectKey();
        if (QTest::currentTestFailed())
            return;
        // The next question plays into no port at all, and is answered on screen too.
        QTRY_VERIFY_WITH_TIMEOUT(waitingForAnswer(), 5000);
        clickCorrectKey();
        QVERIFY(bridgeAnswers());
    }

    QString deviceLine()
    {
        QObject *line = app.window().rootObject()->findChild<QObject *>("deviceLine");
        return line ? line->property("text").toString() : QString();
    }

    void portsComeBackAndAreUsedWithoutBeingAskedFor()
    {
        // The keyboard went in the previous case: the line says so.
        QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), QString("orvelle-peer:keyboard (not connected)"), 2000);
        peer = std::make_unique<JackMidiPeer>("orvelle-peer");
        QVERIFY(peer->isOpen());
        // The servers announce the new ports; the keyboard answers again and
        // the window names it, within a second or so.
        QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), QString("Using the %1 keyboard device").arg(peer->keyboardPortName()),
                                  3000);
        QVERIFY(bridgeAnswers());
        QTRY_VERIFY_WITH_TIMEOUT(waitingForAnswer(), 5000);
        const unsigned before = answered();
        for (int attempt = 0; attempt < 3 && answered() == before; ++attempt) {
            peer->send({0x90, static_cast<std::uint8_t>(question()), 90});
            for (int waited = 0; waited < 2000 && answered() == before; waited += 10)
                QTest::qWait(10);
        }
        QCOMPARE(answered(), before + 1);
        clickCorrectKey();
        if (QTest::currentTestFailed())
            return;

        // Gone again and back again, quickly.
        peer->close();
        QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), QString("orvelle-peer:keyboard (not connected)"), 3000);
        peer = std::make_unique<JackMidiPeer>("orvelle-peer");
        QVERIFY(peer->isOpen());
        QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), QString("Using the %1 keyboard device").arg(peer->keyboardPortName()),
                                  3000);
        QVERIFY(bridgeAnswers());
        clickCorrectKey();
    }

    void theStoreHoldsEveryAnswer()
    {
        QTRY_VERIFY_WITH_TIMEOUT(waitingForAnswer(), 5000);
        const QString path = TestStore::storePath();
        const QByteArray written = TestStore::fileText(path);
        QuestionBank reloaded;
        QCOMPARE(TestStore::fileText(path), written);
        QCOMPARE(reloaded.correctCount, 5u);
        QCOMPARE(reloaded.currentQuestion, bank().currentQuestion);
        QCOMPARE(reloaded.questions, bank().questions);
        QCOMPARE(reloaded.noteStats, bank().noteStats);
    }

    // Keyboards plugged in long after start are used as quickly as at start:
    // the watch does not give up after the first seconds.
    void keyboardsPluggedInLateAnswer()
    {
#ifdef ORVELLE_SANITIZED
        const int delays[] = {3000};
#else
        const int delays[] = {3000, 30000};
#endif
        for (const int delay : delays) {
            QTest::qWait(delay);
            goOnAfterASession();
            QTRY_VERIFY_WITH_TIMEOUT(waitingForAnswer(), 5000);
            const unsigned before = answered();
            const QString name = QString("late-%1").arg(delay);
            JackMidiPeer late(qPrintable(name), true, false);
            for (int attempt = 0; attempt < 30 && answered() == before; ++attempt) {
                late.send({0x90, static_cast<std::uint8_t>(question()), 90});
                for (int waited = 0; waited < 100 && answered() == before; waited += 10)
                    QTest::qWait(10);
            }
            QCOMPARE(answered(), before + 1);
            // The line names the keyboard that answered last.
            QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), QString("Using the %1:keyboard keyboard device").arg(name), 3000);
        }
    }

private:
    // A keyboard whose program closes its client and opens one of the same
    // name again `awayMs` later, as a2jmidid does when a device goes and
    // comes back: every close and every return is noticed, however long it
    // was away. The bound is far above the second this takes, so that a
    // loaded or sanitized run does not fail; a missed change never comes at
    // all.
    void followReturns(int awayMs, int times)
    {
        constexpr int kNoticeBoundMs = 5000;
        peer.reset(); // no other keyboard speaks for the line
        // The keyboard's program keeps another client open meanwhile.
        JackMidiPeer companion("Harness-synth", false, true);
        QVERIFY(companion.isOpen());
        const QString connectedLine("Using the Harness:keyboard keyboard device");
        const QString goneLine("Harness:keyboard (not connected)");
        auto keyboard = openHarnessKeyboard();
        QVERIFY(keyboard);
        QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), connectedLine, kNoticeBoundMs);
        QTRY_VERIFY_WITH_TIMEOUT(keyboard->keyboardConnected(), kNoticeBoundMs);
        for (int round = 0; round < times; ++round) {
            const QString where = QString("round %1").arg(round);
            // Half the programs close at once, half stop first and close later.
            if (round % 2) {
                keyboard->deactivate();
                QTest::qWait(400);
            }
            keyboard.reset();
            QTRY_VERIFY2_WITH_TIMEOUT(deviceLine() == goneLine, qPrintable(where + ", closed: " + deviceLine()),
                                      kNoticeBoundMs);
            QTest::qWait(awayMs);
            keyboard = openHarnessKeyboard();
            QVERIFY2(keyboard, qPrintable(where));
            QTRY_VERIFY2_WITH_TIMEOUT(deviceLine() == connectedLine, qPrintable(where + ", back: " + deviceLine()),
                                      kNoticeBoundMs);
            QTRY_VERIFY2_WITH_TIMEOUT(keyboard->keyboardConnected(), qPrintable(where + ", back: not connected"),
                                      kNoticeBoundMs);
        }
        // Gone and back within one look at the lists: the same name is
        // listed before and after, but the old connection is gone.
        keyboard.reset();
        keyboard = openHarnessKeyboard();
        QVERIFY(keyboard);
        QTRY_VERIFY_WITH_TIMEOUT(keyboard->keyboardConnected(), kNoticeBoundMs);
        QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), connectedLine, kNoticeBoundMs);
        // The last one back answers.
        goOnAfterASession();
        QTRY_VERIFY_WITH_TIMEOUT(waitingForAnswer(), 5000);
        const unsigned before = answered();
        for (int attempt = 0; attempt < 30 && answered() == before; ++attempt) {
            keyboard->send({0x90, static_cast<std::uint8_t>(question()), 90});
            for (int waited = 0; waited < 100 && answered() == before; waited += 10)
                QTest::qWait(10);
        }
        QCOMPARE(answered(), before + 1);
    }

    // One test function per time away, each within QTest's time limit.
#ifdef ORVELLE_SANITIZED
    static constexpr int kReturnsAfter6s = 3, kReturnsAfter20s = 2;
#else
    static constexpr int kReturnsAfter6s = 10, kReturnsAfter20s = 10;
#endif
private slots:
    void aKeyboardBackAfter1sIsFollowedEveryTime() { followReturns(1000, 10); }
    void aKeyboardBackAfter6sIsFollowedEveryTime() { followReturns(6000, kReturnsAfter6s); }
    void aKeyboardBackAfter20sIsFollowedEveryTime() { followReturns(20000, kReturnsAfter20s); }
};

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    if (!TestStore::prepareProgramStore(configDir, "[GlobalSetting]\nShowHelpOnStartup=false\n"))
        return 2;

    auto peer = std::make_unique<JackMidiPeer>("orvelle-peer");
    if (!peer->isOpen()) {
        qCritical("no JACK server to test with");
        return 2;
    }
    Application app(argc, argv);
    app.startSound(); // at once, rather than after the first frame
    DeviceLossTest test(app, peer);
    const int failures = QTest::qExec(&test, argc, argv);
    keepLoadedLibrariesMapped();
    return failures;
}

#include "test_device_loss.moc"
