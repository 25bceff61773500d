// Starts the real program on the test display with a store of its own and
// checks what it leaves in the store, and that a second start only shows the
// first one's window; and its command line, which must work without any
// display.

#include "answer_history.h"
#include "generated_history.h"
#include "history_statistics.h"
#include "small_disk.h"
#include "translations.h"

#include <pitchtest/test_store.h>

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir configHome;
    QTemporaryDir dataHome;
    // The report compared with the program's is made in English, as the
    // program speaks to this test.
    Translations english{QString()};

    // Runs the program's command line with no display at all.
    int runWithoutDisplay(const QStringList &arguments, QByteArray *out = nullptr, QByteArray *err = nullptr,
                          const QString &language = QStringLiteral("en"))
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("LANGUAGE", language);
        env.remove("QT_QPA_PLATFORM");
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
    QString historyPath() const { return dataHome.path() + "/Brandmoor/Orvelle/history.sqlite"; }
    static QString runtimeDir() { return qEnvironmentVariable("XDG_RUNTIME_DIR"); }

    static QByteArray contentsOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    // Starts the program on the test display with this test's store.
    void startOnDisplay(QProcess &program)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", configHome.path());
        env.insert("XDG_DATA_HOME", dataHome.path());
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(ORVELLE_BINARY), QStringList());
    }

    // The process whose window has the focus, as the window manager says.
    static qint64 activeWindowPid()
    {
        QProcess xdotool;
        xdotool.start("xdotool", {"getactivewindow", "getwindowpid"});
        xdotool.waitForFinished(5000);
        return xdotool.exitCode() == 0 ? xdotool.readAllStandardOutput().trimmed().toLongLong() : -1;
    }

    static QString visibleWindowOf(qint64 pid)
    {
        QProcess xdotool;
        xdotool.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
        xdotool.waitForFinished(5000);
        return QString::fromLatin1(xdotool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).value(0);
    }

    // Waits for the program's window to have the focus, then minimises it.
    void minimiseOnceShown(const QProcess &program)
    {
        QTRY_COMPARE_WITH_TIMEOUT(activeWindowPid(), program.processId(), 20000);
        QCOMPARE(QProcess::execute("xdotool", {"windowminimize", visibleWindowOf(program.processId())}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(activeWindowPid() != program.processId(), 5000);
    }

    // Waits for the program's window to have the focus, then opens another
    // window over it, which takes the focus; it stays until `cover` ends.
    void coverOnceShown(const QProcess &program, QProcess &cover)
    {
        QTRY_COMPARE_WITH_TIMEOUT(activeWindowPid(), program.processId(), 20000);
        cover.start("xmessage", {"-center", "in front"});
        QVERIFY(cover.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(activeWindowPid() != program.processId(), 5000);
    }

    // A second start ends at once with 0, having changed nothing, and the
    // first one's window comes back with the focus.
    void secondStartShows(const QProcess &first)
    {
        const QByteArray store = contentsOf(storePath());
        QProcess second;
        startOnDisplay(second);
        QVERIFY(second.waitForFinished(2000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(activeWindowPid(), first.processId(), 5000);
        QCOMPARE(contentsOf(storePath()), store);
    }

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
        QVERIFY2(out.startsWith("Usage: orvelle [options]\n"), out.constData()); // not the path it was started by
        QCOMPARE(runWithoutDisplay({"--version"}, &out), 0);
        QVERIFY(out.startsWith("Orvelle "));
        QCOMPARE(runWithoutDisplay({"--no-such-option"}, nullptr, &err), 2);
        QVERIFY2(err.startsWith("orvelle: Unknown option '--no-such-option'."), err.constData());
        QCOMPARE(runWithoutDisplay({"-x"}, nullptr, &err), 2);
        QVERIFY2(err.startsWith("orvelle: Unknown option '-x'."), err.constData());

        // A window without a display: one line, no abort.
        QCOMPARE(runWithoutDisplay({}, &out, &err), 1);
        QCOMPARE(err, QByteArray("Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)\n"));
        QVERIFY(out.isEmpty());
        // Errors in the learner's language, --help in English.
        QCOMPARE(runWithoutDisplay({"--no-such-option"}, nullptr, &err, "de"), 2);
        QVERIFY2(err.startsWith(QString::fromUtf8("orvelle: Unbekannte Option \u201e--no-such-option\u201c.").toUtf8()),
                 err.constData());
        QCOMPARE(runWithoutDisplay({}, &out, &err, "fr"), 1);
        QVERIFY2(err.startsWith("Orvelle a besoin d"), err.constData());
        QCOMPARE(runWithoutDisplay({"--help"}, &out, nullptr, "de"), 0);
        QVERIFY2(out.contains("Show this help and exit."), out.constData());

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
        QCOMPARE(runWithoutDisplay({"--export-history", csv}, &out, &err), 0);
        QCOMPARE(out, "Wrote 1 answer to " + csv.toUtf8() + "\n");
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = exported.readAll().split('\n');
        QCOMPARE(lines.size(), 3); // header, one answer, the last line's end
        QVERIFY(lines[1].startsWith("2026-12-08T12:00:00.000Z,1,0,60,C4,61,C#4,0,\"Keys, \"\"USB\"\"\","));

        QCOMPARE(runWithoutDisplay({"--export-history", "/nonexistent-folder/answers.csv"}, nullptr, &err), 2);
        QVERIFY(err.contains("cannot be written"));
    }

    // Finished pitch tests printed by --tests, and their trials exported
    // beside the answers; a test broken off is listed by neither score.
    void pitchTestsArePrintedAndExportedWithoutADisplay()
    {
        const QString path = dataHome.path() + "/Brandmoor/Orvelle/history.sqlite";
        QByteArray out;
        QByteArray err;
        QFile::remove(path);
        QCOMPARE(runWithoutDisplay({"--tests"}, &out), 0);
        QCOMPARE(out, QByteArray("No pitch test finished yet.\n"));
        QDir().mkpath(QFileInfo(path).path());
        { AnswerHistory history(path); }
        {
            PitchTest::TestStore store(path, AnswerHistory::kSchemaVersion);
            const PitchTest::TestPlan plan = PitchTest::GeneratePlan(11);
            const qint64 id = store.begin(plan.seed, 1796731200000);
            for (int i = 0; i < PitchTest::kScoredTrials; ++i) {
                const PitchTest::Trial &t = plan.scored[std::size_t(i)];
                QVERIFY(store.addTrial({id, i, t, {t.note + (i % 2), 1500}, 1796731200000 + i * 3000, "=cmd"}));
            }
            QVERIFY(store.finish(id, 1796731500000));
            QVERIFY(store.addTrial({store.begin(12, 1796731600000), 0, PitchTest::GeneratePlan(12).scored[0], {60, 900},
                                    1796731600000, "screen keyboard"}));
        }
        QCOMPARE(runWithoutDisplay({"--tests"}, &out, &err), 0);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        // Half right, half a semitone sharp: 18 + 18 × 0.75 of 36 each.
        QVERIFY2(lines[1].contains("31.50") && lines[1].contains("50.0 %") && lines[1].endsWith("reached"),
                 lines[1].constData());

        const QString csv = dataHome.path() + "/answers.csv";
        const QString testsCsv = dataHome.path() + "/answers-tests.csv";
        QCOMPARE(runWithoutDisplay({"--export-history", csv}, &out, &err), 0);
        QVERIFY2(out.endsWith("Wrote 73 pitch test trials to " + testsCsv.toUtf8() + "\n"), out.constData());
        QFile trials(testsCsv);
        QVERIFY(trials.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = trials.readAll().split('\n');
        QCOMPARE(rows.size(), 75); // header, 73 trials, the last line's end
        QVERIFY(rows[0].startsWith("test_id,test_finished_utc,trial_index,block,timbre,level_db,question_note"));
        QVERIFY2(rows[2].contains(",0,0,0.75,1500,") && rows[2].endsWith(",'=cmd\r"), rows[2].constData());
        QVERIFY2(rows[73].startsWith("2,,0,1,"), rows[73].constData()); // unfinished: no end time
        for (const QString &file : {path, path + "-wal", path + "-shm"})
            QFile::remove(file);
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

        // The learner's choices in the store win over the desktop's language:
        // French words, with German note names.
        writeStore("[GlobalSetting]\nLanguage=fr\nNoteNames=german/c4\n");
        QCOMPARE(runWithoutDisplay({"--stats"}, &out, nullptr, "de"), 0);
        QVERIFY2(out.contains(QString::fromUtf8("bonne note, autre octave").toUtf8()), out.constData());
        QVERIFY2(out.contains("\nH "), out.constData());
        QVERIFY2(!out.contains(QString::fromUtf8("A\u266f").toUtf8()), out.constData());
        QFile::remove(storePath());
        // With answers of the adaptive course: the states of its notes too.
        {
            AnswerHistory history(path);
            for (int i = 0; i < 40; ++i) {
                AnswerRecord answer;
                answer.timeUtcMs = 1796731200000 + i;
                answer.course = QStringLiteral("adaptive");
                answer.questionNote = i % 2 ? 62 : 60;
                answer.answerNote = answer.questionNote;
                answer.correct = true;
                answer.source = QStringLiteral("screen keyboard");
                answer.reactionMs = answer.audibleReactionMs = 900;
                QVERIFY(history.append(answer) > 0);
            }
        }
        QCOMPARE(runWithoutDisplay({"--stats"}, &out), 0);
        QVERIFY2(out.contains("Adaptive course: 40 answers, deadline "), out.constData());
        QVERIFY(out.contains("Note  State     Last 20  Octave  Secure since  Mastered since"));
        QVERIFY(QRegularExpression("\\nC +(secure|mastered) +100 %").match(QString::fromUtf8(out)).hasMatch());
        QVERIFY(QRegularExpression(QString::fromUtf8("\\nA\u266f +locked")).match(QString::fromUtf8(out)).hasMatch());
    }

    // The export goes to standard output, into a FIFO or over a regular
    // file, never over a file of the program's own, and hands a spreadsheet
    // no formula to run.
    void exportsGoOnlyWhereTheyMay()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(historyPath() + suffix);
        QDir().mkpath(QFileInfo(historyPath()).path());
        const QStringList sources = {"=HYPERLINK(\"http://example.invalid\",\"Click\")", "+1", "-2", "@SUM(A1)",
                                     "\tTab", "\rCR", "Keys"};
        const QStringList fields = {"\"'=HYPERLINK(\"\"http://example.invalid\"\",\"\"Click\"\")\"", "'+1", "'-2",
                                    "'@SUM(A1)", "'\tTab", "\"'\rCR\"", "Keys"};
        {
            AnswerHistory history(historyPath());
            for (int i = 0; i < sources.size(); ++i) {
                AnswerRecord answer;
                answer.timeUtcMs = 1796731200000 + i;
                answer.questionNote = 60;
                answer.answerNote = 60;
                answer.correct = true;
                answer.source = sources[i];
                answer.reactionMs = 500;
                QVERIFY(history.append(answer));
            }
        }
        writeStore("[GlobalSetting]\nMaturityLevel=7\n");

        QByteArray rows;
        QByteArray err;
        QCOMPARE(runWithoutDisplay({"--export-history", "-"}, &rows, &err), 0);
        QCOMPARE(err, QByteArray("Wrote 7 answers to standard output\n"));
        const QList<QByteArray> lines = rows.split('\n');
        QCOMPARE(lines.size(), 1 + sources.size() + 1);
        for (int i = 0; i < sources.size(); ++i) {
            // The numbers stay numbers; only the text is defused.
            const QString expected = QString("2026-12-08T12:00:00.00%1Z,1,0,60,C4,60,C4,1,%2,500,0,0\r").arg(i).arg(fields[i]);
            QCOMPARE(QString::fromUtf8(lines[i + 1]), expected);
        }

        // Through /dev/stdout as well (a pipe here), the note again apart.
        QByteArray out;
        QCOMPARE(runWithoutDisplay({"--export-history", "/dev/stdout"}, &out, &err), 0);
        QCOMPARE(out, rows);
        QCOMPARE(err, QByteArray("Wrote 7 answers to /dev/stdout\n"));

        const QString fifo = dataHome.path() + "/answers.fifo";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess reader;
        reader.start("cat", {fifo});
        QVERIFY(reader.waitForStarted());
        QCOMPARE(runWithoutDisplay({"--export-history", fifo}, &out), 0);
        QCOMPARE(out, "Wrote 7 answers to " + fifo.toUtf8() + "\n");
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.readAllStandardOutput(), rows);
        struct stat fifoStatus;
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &fifoStatus) == 0 && S_ISFIFO(fifoStatus.st_mode));

        const QByteArray history = contentsOf(historyPath());
        const QByteArray store = contentsOf(storePath());
        const QString symbolicLink = dataHome.path() + "/history-link.csv";
        QVERIFY(QFile::link(historyPath(), symbolicLink));
        const QString hardLink = dataHome.path() + "/store-copy.csv";
        QCOMPARE(::link(QFile::encodeName(storePath()).constData(), QFile::encodeName(hardLink).constData()), 0);
        const QStringList ownFiles = {historyPath(), symbolicLink, historyPath() + "-wal",
                                      historyPath() + ".broken-20261208-120000", storePath(), hardLink,
                                      configHome.path() + "/Brandmoor/../Brandmoor/Orvelle.conf",
                                      runtimeDir() + "/orvelle.lock", runtimeDir() + "/orvelle.socket"};
        for (const QString &target : ownFiles) {
            const bool existed = QFileInfo::exists(target);
            QCOMPARE(runWithoutDisplay({"--export-history", target}, nullptr, &err), 2);
            QVERIFY2(err.count('\n') == 1 && err.contains("own files"), err.constData());
            QCOMPARE(QFileInfo::exists(target), existed);
        }
        QCOMPARE(contentsOf(historyPath()), history);
        QCOMPARE(contentsOf(storePath()), store);
        QVERIFY(QFileInfo(symbolicLink).isSymLink());

        // A regular file is replaced only by a whole export.
        const QString earlier = dataHome.path() + "/earlier.csv";
        {
            QFile file(earlier);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("an earlier export\n");
        }
        {
            QFile file(historyPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, 'x'));
        }
        QCOMPARE(runWithoutDisplay({"--export-history", earlier}, nullptr, &err), 2);
        QCOMPARE(contentsOf(earlier), QByteArray("an earlier export\n"));
        QFile::remove(historyPath());
    }

    // One window per user: a second start shows the first one's window
    // (minimised or behind another) and ends without touching the store; a first start killed outright stops
    // no later one; a terminated one ends as its close button would.
    void aSecondStartShowsTheFirstWindow()
    {
        writeStore("[GlobalSetting]\nShowHelpOnStartup=false\n");
        const QString socket = runtimeDir() + "/orvelle.socket";
        QProcess first;
        startOnDisplay(first);
        QVERIFY(first.waitForStarted());
        minimiseOnceShown(first);
        if (QTest::currentTestFailed())
            return;
        secondStartShows(first);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(runWithoutDisplay({"--stats"}), 0); // the command line runs beside a window

        first.kill();
        QVERIFY(first.waitForFinished(10000));
        QVERIFY(QFileInfo::exists(socket)); // left behind
        QProcess next;
        startOnDisplay(next);
        QVERIFY(next.waitForStarted());
        QProcess cover;
        coverOnceShown(next, cover);
        if (QTest::currentTestFailed())
            return;
        secondStartShows(next);
        cover.kill();
        cover.waitForFinished();
        if (QTest::currentTestFailed())
            return;

        next.terminate();
        QVERIFY(next.waitForFinished(10000));
        QCOMPARE(next.exitStatus(), QProcess::NormalExit);
        QCOMPARE(next.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(socket));
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
