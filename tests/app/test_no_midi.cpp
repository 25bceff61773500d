// The whole program in this process with no MIDI at all: no ALSA sequencer and
// no JACK server. It must come up and train with the on-screen keyboard, and
// show the statistics of a long answer history.

#include "application.h"
#include "generated_history.h"
#include "history_statistics.h"
#include "keep_libraries.h"
#include "keyboard_clicks.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "sound_system.h"
#include "test_store.h"
#include "training_session.h"

#include <QQmlContext>
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

    static std::vector<AnswerRecord> &history()
    {
        static std::vector<AnswerRecord> answers = GeneratedHistory::make(100000);
        return answers;
    }

    // Items a Repeater made are found only through the visual tree.
    static QQuickItem *findItem(QQuickItem *item, const QString &name)
    {
        if (item->objectName() == name)
            return item;
        for (QQuickItem *child : item->childItems())
            if (QQuickItem *found = findItem(child, name))
                return found;
        return nullptr;
    }

public:
    static bool writeHistory(const QString &path) { return GeneratedHistory::write(path, history()); }

private slots:
    // F2 opens the statistics of 100,000 answers; the heat map colours each
    // key by its share of right answers, from red (none) to green (all).
    void theStatisticsWindowShowsEachKeysShare()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        QTest::keyClick(&app.window(), Qt::Key_F2);
        QObject *model = qvariant_cast<QObject *>(app.window().rootContext()->contextProperty("statistics"));
        QVERIFY(model);
        QTRY_VERIFY_WITH_TIMEOUT(!model->property("loading").toBool() && model->property("total").toInt() == 100000,
                                 20000);
        QObject *statisticsWindow = app.window().rootObject()->findChild<QObject *>("statisticsWindow");
        QVERIFY(statisticsWindow && statisticsWindow->property("visible").toBool());
        QTest::qWait(200); // the frame with the figures
        const QImage screen = app.window().grabWindow();
        screen.save(QDir::temp().filePath("orvelle-statistics.png"));

        const HistoryStatistics expected = computeStatistics(history(), StatisticsFilter());
        for (const int key : {24, 39, 40, 70}) { // A2, C4, C#4, G6
            QQuickItem *item = findItem(app.window().contentItem(), QString("heatKey%1").arg(key));
            QVERIFY(item);
            // Low on a white key, high on a black one: where no other key lies.
            const qreal y = item->height() * (key == 40 ? 0.4 : 0.85);
            const QPoint at = item->mapToScene(QPointF(item->width() / 2, y)).toPoint();
            const QColor shown = screen.pixelColor(at);
            const AnswerCounts &counts = expected.byKey[std::size_t(key)];
            const QColor wanted = QColor::fromHslF(0.33 * counts.right / counts.asked, 0.75, 0.45);
            const bool close = std::abs(shown.red() - wanted.red()) <= 3 && std::abs(shown.green() - wanted.green()) <= 3 &&
                               std::abs(shown.blue() - wanted.blue()) <= 3;
            QVERIFY2(close, qPrintable(QString("key %1: %2 shown, %3 for %4 of %5 right")
                                           .arg(key).arg(shown.name(), wanted.name()).arg(counts.right).arg(counts.asked)));
        }
        QTest::keyClick(&app.window(), Qt::Key_Escape);
        QTRY_VERIFY(!statisticsWindow->property("visible").toBool());
    }

    void theDeviceBoxSaysThereIsNoMidi()
    {
        QObject *box = app.window().rootObject()->findChild<QObject *>("mdev");
        QVERIFY(box);
        QTRY_COMPARE(box->property("currentText").toString(), QStringLiteral("No MIDI found"));
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
    {
        QCoreApplication writer(argc, argv);
        const QString folder = configDir.path() + "/data/Brandmoor/Orvelle";
        if (!QDir().mkpath(folder) || !NoMidiTest::writeHistory(folder + "/history.sqlite"))
            return 2;
    }
    defaultHandler = qInstallMessageHandler(recordWarnings);
    Application app(argc, argv);
    NoMidiTest test(app);
    const int failures = QTest::qExec(&test, argc, argv);
    keepLoadedLibrariesMapped();
    return failures;
}

#include "test_no_midi.moc"
