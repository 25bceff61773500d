// Starts the real program on the test display with a store of its own and
// checks what it leaves in the store; and its command line, which must work
// without any display.

#include "answer_history.h"
#include "generated_history.h"
#include "history_statistics.h"
#include "small_disk.h"

#include <QtTest>

#include <algorithm>

#include <sys/stat.h>

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir configHome;
    QTemporaryDir dataHome;

    // Runs the program's command line with no display at all.
    int runWithoutDisplay(const QStringList &arguments, QByteArray *out = nullptr, QByteArray *err = nullptr)
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("XDG_CONFIG_HOME", configHome.path());
        env.insert("XDG_DATA_HOME", dataHome.path());
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORVELLE_BINARY), arguments);
        if (!program.waitForFinished(20000))
            return -1;
        if (out)
            *out = program.readAllStandardOutput();
        if (err)
            *err = program.readAllStandardError();
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    QString storePath() const { return configHome.path() + "/Brandmoor/Orvelle.conf"; }

    void writeStore(const QByteArray &text)
    {
        QDir().mkpath(configHome.path() + "/Brandmoor");
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // Runs the program until it has written its store, lets it settle, then
    // ends it. With `noServers` no MIDI or sound server is reachable, and
    // what the program prints to stderr is returned.
    QByteArray runProgram(bool noServers = false, int settleMs = 2000)
    {
        QProcess program;
        QTemporaryDir runtimeDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", configHome.path());
        env.insert("XDG_DATA_HOME", dataHome.path());
        if (noServers) {
            env.insert("JACK_DEFAULT_SERVER", "orvelle-absent-" + QString::number(QCoreApplication::applicationPid()));
            env.insert("JACK_NO_START_SERVER", "1");
            env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
            env.remove("PULSE_SERVER");
            env.remove("QT_LOGGING_RULES");
        }
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(noServers ? QProcess::SeparateChannels : QProcess::ForwardedChannels);
        program.start(QStringLiteral(ORVELLE_BINARY), QStringList());
        [&] {
            QVERIFY(program.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(
                QSettings(storePath(), QSettings::IniFormat).contains("StatsAndQuestions/questions/size"), 15000);
            QTest::qWait(settleMs);
            QCOMPARE(program.state(), QProcess::Running); // still up: no crash at start
        }();
        program.terminate();
        program.waitForFinished(10000);
        return program.readAllStandardError();
    }

    static std::vector<int> storedQuestions(QSettings &store)
    {
        std::vector<int> questions;
        const int n = store.beginReadArray("StatsAndQuestions/questions");
        for (int i = 0; i < n; ++i) {
            store.setArrayIndex(i);
            questions.push_back(store.value("question").toInt());
        }
        store.endArray();
        std::sort(questions.begin(), questions.end());
        return questions;
    }

private slots:
    void init() { QFile::remove(storePath()); }

    void firstStartStoresAFreshLevelOneSession()
    {
        runProgram();
        QSettings store(storePath(), QSettings::IniFormat);
        QCOMPARE(store.value("GlobalSetting/MaturityLevel").toInt(), 1);
        QCOMPARE(store.value("GlobalSetting/CurrentQuestion").toInt(), 0);
        QCOMPARE(store.value("GlobalSetting/ShowHelpOnStartup").toString(), QStringLiteral("true"));
        QCOMPARE(store.value("GlobalSetting/ShowColorMap").toString(), QStringLiteral("true"));
        QCOMPARE(storedQuestions(store), (std::vector<int>{24, 36, 48, 60, 72, 84, 96}));
        QCOMPARE(store.value("StatsAndQuestions/stats/size").toInt(), 1);
        QCOMPARE(store.value("StatsAndQuestions/stats/1/stat").toInt(), 0);
    }

    void aDamagedStoreStartsAFreshSession()
    {
        writeStore("[GlobalSetting]\nMaturityLevel=4\nCurrentQuestion=banana\nShowColorMap=false\n"
                   "[StatsAndQuestions]\nquestions\\size=1000000000\nstats\\size=-3\n");
        runProgram();
        QSettings store(storePath(), QSettings::IniFormat);
        QCOMPARE(store.value("GlobalSetting/MaturityLevel").toInt(), 4);
        QCOMPARE(store.value("GlobalSetting/ShowColorMap").toString(), QStringLiteral("false"));
        QCOMPARE(int(storedQuestions(store).size()), 28);
        QCOMPARE(store.value("StatsAndQuestions/stats/size").toInt(), 4);
    }

    // A FIFO at the store's path once hung the start for ever: it is left
    // alone, the window says so, and the program goes on to its history.
    void aFifoAtTheStorePathDoesNotHoldUpTheStart()
    {
        QDir().mkpath(configHome.path() + "/Brandmoor");
        QCOMPARE(::mkfifo(QFile::encodeName(storePath()).constData(), 0600), 0);
        const QString history = dataHome.path() + "/Brandmoor/Orvelle/history.sqlite";
        QFile::remove(history);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", configHome.path());
        env.insert("XDG_DATA_HOME", dataHome.path());
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::SeparateChannels);
        program.start(QStringLiteral(ORVELLE_BINARY), QStringList());
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(history), 15000);
        QTest::qWait(1000);
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        program.waitForFinished(10000);
        QVERIFY(program.readAllStandardError().contains("is not a regular file"));
        struct stat info;
        QCOMPARE(::lstat(QFile::encodeName(storePath()).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
        QFile::remove(storePath());
    }

    void aStoredSessionIsKeptAcrossARestart()
    {
        runProgram();
        const QByteArray firstRun = [this] {
            QFile f(storePath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        runProgram();
        QFile after(storePath());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), firstRun);
    }

    void theCommandLineWorksWithoutADisplay()
    {
        QByteArray out;
        QByteArray err;
        QCOMPARE(runWithoutDisplay({"--help"}, &out), 0);
        QVERIFY(out.contains("--export-history"));
        QCOMPARE(runWithoutDisplay({"--version"}, &out), 0);
        QVERIFY(out.startsWith("Orvelle "));
        QCOMPARE(runWithoutDisplay({"--no-such-option"}, nullptr, &err), 2);
        QVERIFY(err.contains("no-such-option"));

        // The history as the program kept it, exported by the program.
        {
            QDir().mkpath(dataHome.path() + "/Brandmoor/Orvelle");
            AnswerHistory history(dataHome.path() + "/Brandmoor/Orvelle/history.sqlite");
            AnswerRecord answer;
            answer.timeUtcMs = 1796731200000;
            answer.questionNote = 60;
            answer.answerNote = 61;
            answer.source = "Keys, \"USB\"";
            QVERIFY(history.append(answer));
        }
        const QString csv = dataHome.path() + "/answers.csv";
        QCOMPARE(runWithoutDisplay({"--export-history", csv}, nullptr, &err), 0);
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = exported.readAll().split('\n');
        QCOMPARE(lines.size(), 3); // header, one answer, the last line's end
        QVERIFY(lines[1].startsWith("2026-12-08T12:00:00.000Z,1,0,60,C4,61,C#4,0,\"Keys, \"\"USB\"\"\","));

        QCOMPARE(runWithoutDisplay({"--export-history", "/nonexistent-folder/answers.csv"}, nullptr, &err), 2);
        QVERIFY(err.contains("cannot be written"));
    }

    void statisticsArePrintedWithoutADisplay()
    {
        const QString path = dataHome.path() + "/Brandmoor/Orvelle/history.sqlite";
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(GeneratedHistory::write(path, GeneratedHistory::make(3000)));
        std::vector<AnswerRecord> kept;
        {
            const AnswerHistory history(path, AnswerHistory::Mode::ReadOnly);
            QVERIFY(history.forEach([&kept](const AnswerRecord &r) { kept.push_back(r); }));
        }
        QByteArray out;
        QCOMPARE(runWithoutDisplay({"--stats"}, &out), 0);
        QCOMPARE(QString::fromUtf8(out), statisticsReport(computeStatistics(kept, StatisticsFilter())));
        QVERIFY(out.contains(QByteArray::number(int(kept.size())) + " answers: "));
        QVERIFY(out.contains("right note, other octave"));
    }

    // An intact history in a folder that cannot be written is read, not
    // reported as unreadable.
    void statisticsOfAHistoryInAReadOnlyFolder()
    {
        const QString folder = dataHome.path() + "/Brandmoor/Orvelle";
        SmallDisk disk(folder, 4096);
        if (!disk.isAvailable())
            QSKIP("a read-only file system needs root here");
        const QString path = folder + "/history.sqlite";
        QVERIFY(GeneratedHistory::write(path, GeneratedHistory::make(500)));
        QVERIFY(disk.setReadOnly(true));
        QByteArray out;
        QByteArray err;
        QCOMPARE(runWithoutDisplay({"--stats"}, &out, &err), 0);
        QVERIFY2(!err.contains("cannot be read"), err.constData());
        QVERIFY2(out.contains("500 answers: "), out.constData());
        QVERIFY(disk.setReadOnly(false));
    }

    // Without JACK, ALSA or a sound server, a start and 15 s of running say
    // so in at most two lines (MIDI, audio): no library chatter, none from
    // device watching later on. The stored device choices stay as they were.
    void withoutAnyServerTheTerminalStaysQuiet()
    {
        writeStore("[GlobalSetting]\nShowHelpOnStartup=false\nInputDevice=Gone:keys\nOutputDevice=Gone:synth\n");
        const QByteArray errors = runProgram(true, 15000);
        const QList<QByteArray> lines = errors.trimmed().isEmpty() ? QList<QByteArray>() : errors.trimmed().split('\n');
        QVERIFY2(lines.size() <= 2, errors.constData());
        QSettings store(storePath(), QSettings::IniFormat);
        QCOMPARE(store.value("GlobalSetting/InputDevice").toString(), QStringLiteral("Gone:keys"));
        QCOMPARE(store.value("GlobalSetting/OutputDevice").toString(), QStringLiteral("Gone:synth"));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
