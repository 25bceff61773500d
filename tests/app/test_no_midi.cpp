// The whole program in this process with no MIDI at all: no ALSA sequencer and
// no JACK server. It must come up and train with the on-screen keyboard.

#include "application.h"
#include "keep_libraries.h"
#include "keyboard_clicks.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "sound_system.h"
#include "test_store.h"
#include "training_session.h"

#include <QQuickItem>
#include <QtTest>

namespace {

QStringList warnings;
QtMessageHandler defaultHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        warnings << message;
    defaultHandler(type, context, message);
}

} // namespace

class NoMidiTest : public QObject {
    Q_OBJECT
public:
    explicit NoMidiTest(Application &application) : app(application) {}

private:
    Application &app;

private slots:
    void theDeviceBoxSaysThereIsNoMidi()
    {
        QObject *line = app.window().rootObject()->findChild<QObject *>("deviceLine");
        QVERIFY(line);
        QTRY_COMPARE(line->property("text").toString(), QStringLiteral("No MIDI found"));
        QObject *box = app.window().rootObject()->findChild<QObject *>("mdev");
        QVERIFY(box);
        QCOMPARE(box->property("currentText").toString(), QStringLiteral("All MIDI keyboards"));
    }

    void theBuiltInOutputSaysWhyItIsSilent()
    {
#ifdef ORVELLE_EXPECT_BUILTIN_SYNTH
        Core::SoundController *controller = app.sound()->Controller();
        QCOMPARE(controller->GetOutDeviceCount(), 1);
        QCOMPARE(controller->GetOutDevice(0)->GetName(), QStringLiteral("Built-in synthesizer"));
        QCOMPARE(warnings.filter("audio output is unavailable").size(), 1);
#else
        QSKIP("built without the built-in synthesiser");
#endif
    }

    void aClickOnTheRightKeyScores()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        auto *keyboard = app.window().rootObject()->findChild<Keyboard *>("Keyboard");
        QVERIFY(keyboard);
        QMetaObject::invokeMethod(messenger, "startNewSession", Q_ARG(uint, 1));
        QTRY_COMPARE(app.session().state(), int(TrainingSession::Asking));

        QuestionBank &bank = app.questionBank();
        QVERIFY(KeyboardClicks::clickKey(*keyboard, int(bank.questions[bank.currentQuestion]) - 21));
        QCOMPARE(app.session().state(), int(TrainingSession::Feedback));
        QSettings store(TestStore::storePath(), QSettings::IniFormat);
        QCOMPARE(store.value("GlobalSetting/CurrentQuestion").toInt(), 1);
        QCOMPARE(store.value("GlobalSetting/CorrectStats").toInt(), 1);
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    // A server name with no server behind it, on a machine without an ALSA sequencer.
    qputenv("JACK_DEFAULT_SERVER", QByteArray("orvelle-no-server-") + QByteArray::number(QCoreApplication::applicationPid()));
    if (!TestStore::prepareProgramStore(configDir, "[GlobalSetting]\nShowHelpOnStartup=false\n"))
        return 2;
    defaultHandler = qInstallMessageHandler(recordWarnings);
    Application app(argc, argv);
    NoMidiTest test(app);
    const int failures = QTest::qExec(&test, argc, argv);
    keepLoadedLibrariesMapped();
    return failures;
}

#include "test_no_midi.moc"
