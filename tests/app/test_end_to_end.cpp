// The whole program in this process, on a private display, with a private JACK
// server and a peer that owns a "keyboard" port and a "synth" port: questions
// must reach the synth, and keys pressed on the keyboard must be scored.

#include "application.h"
#include "keep_libraries.h"
#include "jack_fixture.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "test_store.h"
#include "training_session.h"

#include <keyboard.h>

#include <QQmlContext>
#include <QQuickItem>
#include <QtTest>

#include <jack/jack.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

bool isReset(const Bytes &b)
{
    return b.size() == 3 && (b[0] & 0xF0) == 0xB0 && (b[1] == 120 || b[1] == 121 || b[1] == 123 || b[1] == 7);
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
public:
    EndToEndTest(Application &application, JackMidiPeer &midiPeer) : app(application), peer(midiPeer) {}

private:
    Application &app;
    JackMidiPeer &peer;

    QuestionBank &bank() { return app.questionBank(); }
    unsigned question() { return bank().questions[bank().currentQuestion]; }

    QSettings store() { return QSettings(TestStore::storePath(), QSettings::IniFormat); }

    // Waits for a note-on of `note` at the synth port and returns its position.
    int waitForNoteOn(unsigned note, std::size_t from, int timeoutMs = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const auto messages = peer.received();
            for (std::size_t i = from; i < messages.size(); ++i) {
                const Bytes &b = messages[i].bytes;
                if (b == Bytes{0x90, static_cast<std::uint8_t>(note), 0x60})
                    return static_cast<int>(i);
            }
            QTest::qWait(10);
        }
        return -1;
    }

    int countResetsFrom(std::size_t from)
    {
        const auto messages = peer.received();
        int resets = 0;
        for (std::size_t i = from; i < messages.size(); ++i)
            resets += isReset(messages[i].bytes);
        return resets;
    }

    void pressOnKeyboardPort(unsigned note, std::uint8_t velocity = 100, std::uint8_t status = 0x90)
    {
        peer.send({status, static_cast<std::uint8_t>(note), velocity});
    }

    // Presses a key that must be scored. A JACK server on the dummy driver
    // drops a cycle's MIDI when its machine is overloaded, so an answer that
    // was not scored within a while is pressed again (a lost press is the
    // server's, not the program's).
    bool answerOnKeyboardPort(unsigned note)
    {
        const unsigned scoredBefore = bank().correctCount + bank().incorrectCount;
        for (int attempt = 0; attempt < 3; ++attempt) {
            pressOnKeyboardPort(note);
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 2000) {
                if (bank().correctCount + bank().incorrectCount != scoredBefore)
                    return true;
                QTest::qWait(10);
            }
            if (app.session().state() != int(TrainingSession::Asking) &&
                app.session().state() != int(TrainingSession::Asked))
                return false;
        }
        return false;
    }

    QObject *find(const char *name) { return app.window().rootObject()->findChild<QObject *>(name); }

private slots:
    void theDeviceLineNamesTheKeyboardPortAndThePortsTheirProgram()
    {
        QObject *line = find("deviceLine");
        QVERIFY(line);
        QTRY_COMPARE(line->property("text").toString(),
                     QString("Using the %1 keyboard device").arg(peer.keyboardPortName()));
        // Patchbays show the program's ports under its own name.
        jack_status_t status{};
        jack_client_t *look = jack_client_open("orvelle-look", JackNoStartServer, &status);
        QVERIFY(look);
        const char **ports = jack_get_ports(look, "^Orvelle(-[0-9]+)?:(keyboard in|notes out)$", nullptr, 0);
        int count = 0;
        for (int i = 0; ports && ports[i]; ++i)
            ++count;
        if (ports)
            jack_free(ports);
        jack_client_close(look);
        QCOMPARE(count, 2);
    }

    void aQuestionSoundsAtOnceAndEndsAfterFiveSeconds()
    {
        peer.clearReceived();
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        auto *start = qobject_cast<QQuickItem *>(find("startButton"));
        QVERIFY(start);
        const QPoint center = start->mapToScene(QPointF(start->width() / 2, start->height() / 2)).toPoint();
        QTest::mouseClick(&app.window(), Qt::LeftButton, Qt::NoModifier, center);
        QTRY_COMPARE(app.session().state(), int(TrainingSession::Asking));
        const unsigned q = question();
        const int on = waitForNoteOn(q, 0, 2000);
        QVERIFY2(on >= 0, "the question's note-on did not reach the synth port");
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (const auto &m : peer.received())
                    if (m.bytes == Bytes{0x80, static_cast<std::uint8_t>(q), 0x60})
                        return true;
                return false;
            }(),
            10000);
        QTRY_COMPARE(app.session().state(), int(TrainingSession::Asked));
    }

    void aKeyboardAnswerIsScoredAndStopsTheNote()
    {
        app.session().ReplayQuestion();
        const unsigned q = question();
        const std::size_t before = peer.receivedCount();
        QVERIFY(waitForNoteOn(q, before) >= 0);

        // Releases and note-offs are not answers.
        pressOnKeyboardPort(q, 0);
        pressOnKeyboardPort(q, 64, 0x80);
        QTest::qWait(300);
        QCOMPARE(store().value("GlobalSetting/CurrentQuestion").toInt(), 0);

        const std::size_t beforeAnswer = peer.receivedCount();
        QVERIFY(answerOnKeyboardPort(q));
        QCOMPARE(store().value("GlobalSetting/CurrentQuestion").toInt(), 1);
        QCOMPARE(store().value("GlobalSetting/CorrectStats").toInt(), 1);
        // The answer silences the question's note (channel 1 only).
        QTRY_VERIFY(countResetsFrom(beforeAnswer) >= 2);
    }

    void aWrongOctaveIsScoredWrong()
    {
        QTRY_COMPARE_WITH_TIMEOUT(app.session().state(), int(TrainingSession::Asking), 5000);
        const unsigned q = question();
        QVERIFY(answerOnKeyboardPort(q <= 95 ? q + 12 : q - 12));
        QCOMPARE(store().value("GlobalSetting/InCorrectStats").toInt(), 1);
        QCOMPARE(store().value("GlobalSetting/CorrectStats").toInt(), 1);
    }

    void aNewNoteCutsTheSoundingOneShort()
    {
        QTRY_COMPARE_WITH_TIMEOUT(app.session().state(), int(TrainingSession::Asking), 5000);
        const unsigned q = question();
        QVERIFY(waitForNoteOn(q, 0) >= 0);
        const std::size_t before = peer.receivedCount();
        app.playNote(100, true);
        const int on = waitForNoteOn(100, before);
        QVERIFY(on >= 0);
        const auto messages = peer.received();
        QString seen;
        for (std::size_t i = before; i < std::size_t(on); ++i)
            QVERIFY2(messages[i].bytes[0] != 0x80, "the old note's note-off was sent");
        // The messages right before the new note (the question's own may
        // still have been arriving when the count was taken).
        int resets = 0;
        for (int i = on - 1; i >= 0 && isReset(messages[std::size_t(i)].bytes); --i)
            ++resets;
        for (std::size_t i = before >= 3 ? before - 3 : 0; i < messages.size() && i < std::size_t(on) + 3; ++i)
            seen += QString::number(messages[i].bytes[0], 16) + " ";
        // Between questions only what silences the sounding note.
        QVERIFY2(resets == 2, qPrintable(QString("%1 resets; around: %2").arg(resets).arg(seen)));
    }

    void sevenRightAnswersFinishALevelOneSession()
    {
        const std::size_t start = peer.receivedCount();
        QMetaObject::invokeMethod(messenger, "startNewSession", Q_ARG(uint, 1));
        QVERIFY(waitForNoteOn(question(), start) >= 0); // posed after the scheduling delay
        for (int i = 0; i < 7; ++i) {
            QTRY_COMPARE_WITH_TIMEOUT(app.session().state(), int(TrainingSession::Asking), 5000);
            QCOMPARE(int(bank().currentQuestion), i);
            QVERIFY(answerOnKeyboardPort(question()));
            QCOMPARE(app.session().state(), int(TrainingSession::Feedback));
        }
        QTRY_COMPARE_WITH_TIMEOUT(store().value("GlobalSetting/MaturityLevel").toInt(), 2, 5000);
        QCOMPARE(store().value("StatsAndQuestions/questions/size").toInt(), 14);
        const std::size_t before = peer.receivedCount();
        QTRY_COMPARE_WITH_TIMEOUT(app.session().state(), int(TrainingSession::Asking), 5000);
        QVERIFY(waitForNoteOn(question(), before) >= 0);
    }

    // A choice in the box is stored by the port's name and shown; "All MIDI
    // keyboards" stores no name.
    void aChosenKeyboardIsStoredByName()
    {
        QObject *choice = app.window().rootContext()->contextProperty("deviceChoice").value<QObject *>();
        QVERIFY(choice);
        const int index = choice->property("inputEntries").toStringList().indexOf(peer.keyboardPortName());
        QVERIFY(index > 0);
        QMetaObject::invokeMethod(choice, "chooseInput", Q_ARG(int, index));
        QCOMPARE(store().value("GlobalSetting/InputDevice").toString(), peer.keyboardPortName());
        QTRY_COMPARE(find("mdev")->property("currentText").toString(), peer.keyboardPortName());
        QTRY_COMPARE_WITH_TIMEOUT(app.session().state(), int(TrainingSession::Asking), 5000);
        QVERIFY(answerOnKeyboardPort(question()));

        QMetaObject::invokeMethod(choice, "chooseInput", Q_ARG(int, 0));
        QCOMPARE(store().value("GlobalSetting/InputDevice").toString(), QString());
        QTRY_COMPARE(find("mdev")->property("currentText").toString(), QStringLiteral("All MIDI keyboards"));
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    if (!TestStore::prepareProgramStore(configDir, "[GlobalSetting]\nShowHelpOnStartup=false\n"))
        return 2;

    JackMidiPeer peer("orvelle-peer");
    if (!peer.isOpen()) {
        qCritical("no JACK server to test with");
        return 2;
    }
    Application app(argc, argv);
    EndToEndTest test(app, peer);
    const int failures = QTest::qExec(&test, argc, argv);
    keepLoadedLibrariesMapped();
    return failures;
}

#include "test_end_to_end.moc"
