#include "answer_history.h"
#include "question_bank.h"
#include "preferences.h"
#include "small_disk.h"
#include "storage_status.h"
#include "test_store.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <numeric>

namespace {

// An INI store holding a session; `questions` and `stats` as given.
QByteArray storeText(int level, int current, const std::vector<int> &questions, const std::vector<int> &stats,
                     const QByteArray &extraGlobal = QByteArray())
{
    QByteArray text = "[GlobalSetting]\n";
    text += "CurrentQuestion=" + QByteArray::number(current) + "\n";
    text += "MaturityLevel=" + QByteArray::number(level) + "\n";
    text += "CorrectStats=2\nInCorrectStats=3\n" + extraGlobal;
    text += "\n[StatsAndQuestions]\n";
    for (std::size_t i = 0; i < questions.size(); ++i)
        text += "questions\\" + QByteArray::number(int(i) + 1) + "\\question=" + QByteArray::number(questions[i]) + "\n";
    text += "questions\\size=" + QByteArray::number(int(questions.size())) + "\n";
    for (std::size_t i = 0; i < stats.size(); ++i)
        text += "stats\\" + QByteArray::number(int(i) + 1) + "\\stat=" + QByteArray::number(stats[i]) + "\n";
    text += "stats\\size=" + QByteArray::number(int(stats.size())) + "\n";
    return text;
}

// A consistent level-3 list (C, D, E in seven octaves), in a fixed order.
std::vector<int> levelThreeQuestions()
{
    std::vector<int> q;
    for (int k = 0; k < 7; ++k)
        for (int base : {24, 26, 28})
            q.push_back(base + 12 * k);
    return q;
}

void verifyFreshList(const QuestionBank &bank, unsigned level)
{
    QCOMPARE(bank.maturityLevel, level);
    QCOMPARE(bank.questions.size(), std::size_t(7 * level));
    QCOMPARE(bank.questionCount, 7 * level);
    QCOMPARE(bank.noteStats, std::vector<std::uint32_t>(level, 0));
    QCOMPARE(bank.currentQuestion, 0u);
    QCOMPARE(bank.correctCount, 0u);
    QCOMPARE(bank.incorrectCount, 0u);
}

} // namespace

class PersistenceTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartWritesAFreshLevelOneSession()
    {
        const QString path = TestStore::freshStore();
        QuestionBank bank;
        verifyFreshList(bank, 1);
        QVERIFY(bank.showHelpOnStartup);
        QVERIFY(bank.showColorMap);

        QSettings stored(path, QSettings::IniFormat);
        QCOMPARE(stored.value("GlobalSetting/MaturityLevel").toInt(), 1);
        QCOMPARE(stored.value("GlobalSetting/CurrentQuestion").toInt(), 0);
        QCOMPARE(stored.value("GlobalSetting/ShowHelpOnStartup").toBool(), true);
        QCOMPARE(stored.value("GlobalSetting/ShowColorMap").toBool(), true);
        QCOMPARE(stored.value("StatsAndQuestions/questions/size").toInt(), 7);
        QCOMPARE(stored.value("StatsAndQuestions/stats/size").toInt(), 1);
        QCOMPARE(stored.value("StatsAndQuestions/stats/1/stat").toInt(), 0);
    }

    void everyAnswerReachesTheFileAtOnce()
    {
        const QString path = TestStore::freshStore();
        QuestionBank bank;
        bank.scoreAnswer(bank.questions[0]);
        // Read the bytes on disk, not a cached settings object.
        const QByteArray text = TestStore::fileText(path);
        QVERIFY2(text.contains("CurrentQuestion=1\n"), text.constData());
        QVERIFY(text.contains("CorrectStats=1\n"));
        QVERIFY(text.contains("stats\\1\\stat=1\n"));
    }

    void aStoredSessionRoundTrips()
    {
        TestStore::freshStore();
        std::vector<std::uint32_t> questions;
        {
            QuestionBank bank;
            bank.setLevel(4);
            bank.showColorMap = false;
            bank.inputDevice = QStringLiteral("Some keyboard");
            bank.midiInstrument = -5;
            bank.save();
            for (int i = 0; i < 3; ++i) {
                const unsigned q = bank.questions[bank.currentQuestion];
                bank.scoreAnswer(i == 1 ? q + 12 : q);
                ++bank.currentQuestion;
            }
            questions = bank.questions;
        }
        QuestionBank reloaded;
        QCOMPARE(reloaded.maturityLevel, 4u);
        QCOMPARE(reloaded.questions, questions);
        QCOMPARE(reloaded.currentQuestion, 3u);
        QCOMPARE(reloaded.correctCount, 2u);
        QCOMPARE(reloaded.incorrectCount, 1u);
        QCOMPARE(std::accumulate(reloaded.noteStats.begin(), reloaded.noteStats.end(), 0u), 2u);
        QVERIFY(!reloaded.showColorMap);
        QCOMPARE(reloaded.inputDevice, QStringLiteral("Some keyboard"));
        QCOMPARE(reloaded.midiInstrument, std::int8_t(-5));
        // A store from before the other options has none of them.
        Preferences options;
        keepOptionsInStore(options, reloaded);
        QCOMPARE(options.afterWrongAnswer(), 0);
        QVERIFY(options.labelCKeys());
        QVERIFY(!options.instrumentChosen());
        QVERIFY(!options.varyInstrument());
        QVERIFY(options.variedInstruments().empty());
        QCOMPARE(options.referencePitch(), 440.0);
        QVERIFY(options.outputDevice().isEmpty());
    }

    // Each change is in the file at once, through the store's own object, and
    // the next start reads it back.
    void optionsAreWrittenAtOnceAndSurviveARestartAndNonsenseIsDropped()
    {
        const QString path = TestStore::freshStore();
        {
            QuestionBank bank;
            Preferences options;
            keepOptionsInStore(options, bank);
            bank.midiInstrument = -1; // the pure tone
            QSignalSpy sound(&options, &Preferences::soundChanged);
            options.setVaryInstrument(true); // marks the timbre chosen too
            QVERIFY(TestStore::fileText(path).contains("InstrumentChosen=true\n"));
            options.setVariedInstruments({73, 0, -1, 73, 999});
            options.setReferencePitch(415.0);
            options.setReferencePitch(500.0); // refused
            options.setAfterWrongAnswer(1);
            options.setLabelCKeys(false);
            options.setOutputDevice(QStringLiteral("Synth:in"));
            QCOMPARE(sound.count(), 3);
            const QByteArray text = TestStore::fileText(path);
            QVERIFY2(text.contains("VariedInstruments=73 0 -1\n"), text.constData());
            QVERIFY(text.contains("ReferencePitch=415\n"));
            QVERIFY(text.contains("AfterWrongAnswer=1\n"));
            QVERIFY(text.contains("LabelCKeys=false\n"));
            QVERIFY(text.contains("OutputDevice=Synth:in\n"));
        }
        {
            QuestionBank reloaded;
            Preferences options;
            keepOptionsInStore(options, reloaded);
            QCOMPARE(reloaded.midiInstrument, std::int8_t(-1));
            QVERIFY(options.instrumentChosen());
            QVERIFY(options.varyInstrument());
            QCOMPARE(options.variedInstruments(), (std::vector<int>{73, 0, -1}));
            QCOMPARE(options.referencePitch(), 415.0);
            QCOMPARE(options.afterWrongAnswer(), 1);
            QVERIFY(!options.labelCKeys());
            QCOMPARE(options.outputDevice(), QStringLiteral("Synth:in"));
        }
        // Hand-edited: programs nobody offers, repeats, words, a pitch out of
        // range, a course nobody knows (the levels, written back at once).
        QSettings edited(TestStore::storePath(), QSettings::IniFormat);
        edited.setValue("GlobalSetting/VariedInstruments", "73 73 999 flute 12 -7");
        edited.setValue("GlobalSetting/ReferencePitch", 1000);
        edited.setValue("GlobalSetting/Course", "sideways");
        edited.sync();
        QuestionBank reloaded;
        Preferences options;
        keepOptionsInStore(options, reloaded);
        QCOMPARE(options.variedInstruments(), (std::vector<int>{73, 12}));
        QCOMPARE(options.referencePitch(), 440.0);
        QCOMPARE(options.course(), QStringLiteral("levels"));
        QCOMPARE(QSettings(TestStore::storePath(), QSettings::IniFormat).value("GlobalSetting/Course").toString(),
                 QStringLiteral("levels"));
        // Blocking relative pitch follows the course until it is set.
        QVERIFY(!options.blockRelativePitch());
        options.setCourse(QStringLiteral("adaptive"));
        QVERIFY(options.blockRelativePitch());
        options.setBlockRelativePitch(false);
        options.setCourse(QStringLiteral("nonsense"));
        QCOMPARE(options.course(), QStringLiteral("adaptive"));
        QuestionBank again;
        Preferences stored;
        keepOptionsInStore(stored, again);
        QCOMPARE(stored.course(), QStringLiteral("adaptive"));
        QVERIFY(!stored.blockRelativePitch());
    }

    // Every key an earlier version wrote, the options beyond the training
    // state and the history's row among them: all load as they were, and a
    // write keeps each key's text. A repair of the session keeps them too.
    void aStoreOfTheEarlierVersionLoadsUnchanged_data()
    {
        QTest::addColumn<bool>("consistent");
        QTest::newRow("as written") << true;
        QTest::newRow("session to be repaired") << false;
    }

    void aStoreOfTheEarlierVersionLoadsUnchanged()
    {
        QFETCH(bool, consistent);
        const QByteArray options = "InputDevice=Keys:out\nMidiInstrument=73\nShowHelpOnStartup=false\n"
                                   "ShowColorMap=false\nInstrumentChosen=true\nVaryInstrument=true\n"
                                   "VariedInstruments=73 0 12\nReferencePitch=442.5\nOutputDevice=Synth:in\n"
                                   "LastHistoryRow=17\nAfterWrongAnswer=1\nLabelCKeys=false\n";
        const auto q3 = levelThreeQuestions();
        QByteArray text = storeText(3, consistent ? 3 : 99, q3, {1, 1, 0}, options);
        text += "results\\1\\result=1\nresults\\2\\result=1\nresults\\3\\result=0\nresults\\size=3\n";
        const QString path = TestStore::freshStore(text);

        QuestionBank bank;
        Preferences preferences;
        keepOptionsInStore(preferences, bank);
        QCOMPARE(bank.inputDevice, QStringLiteral("Keys:out"));
        QCOMPARE(bank.midiInstrument, std::int8_t(73));
        QVERIFY(!bank.showHelpOnStartup);
        QVERIFY(!bank.showColorMap);
        QCOMPARE(bank.lastHistoryRow, qint64(17));
        QVERIFY(preferences.instrumentChosen());
        QVERIFY(preferences.varyInstrument());
        QCOMPARE(preferences.variedInstruments(), (std::vector<int>{73, 0, 12}));
        QCOMPARE(preferences.referencePitch(), 442.5);
        QCOMPARE(preferences.outputDevice(), QStringLiteral("Synth:in"));
        QCOMPARE(preferences.afterWrongAnswer(), 1);
        QVERIFY(!preferences.labelCKeys());
        if (consistent) {
            QCOMPARE(bank.currentQuestion, 3u);
            QCOMPARE(bank.answerResults, (std::vector<std::uint32_t>{1, 1, 0}));
        } else {
            verifyFreshList(bank, 3);
        }

        bank.save();
        const QByteArray written = TestStore::fileText(path);
        for (const QByteArray &line : options.split('\n')) {
            if (!line.isEmpty())
                QVERIFY2(written.contains(line + "\n"), line.constData());
        }
    }

    void aConsistentStoreIsUsedUnchanged()
    {
        const auto questions = levelThreeQuestions();
        TestStore::freshStore(storeText(3, 5, questions, {1, 1, 0}));
        QuestionBank bank;
        QCOMPARE(bank.maturityLevel, 3u);
        QCOMPARE(bank.currentQuestion, 5u);
        QCOMPARE(bank.correctCount, 2u);
        QCOMPARE(bank.incorrectCount, 3u);
        QCOMPARE(bank.noteStats, (std::vector<std::uint32_t>{1, 1, 0}));
        QCOMPARE(bank.questions, std::vector<std::uint32_t>(questions.begin(), questions.end()));
    }

    void inconsistentStoresGetAFreshList_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<unsigned>("level");
        const auto q3 = levelThreeQuestions();
        const std::vector<int> q3short(q3.begin(), q3.begin() + 14);
        auto outside = q3;
        outside[4] = 29; // F is not a note of level 3
        auto outOfRange = q3;
        outOfRange[0] = 130;

        QTest::newRow("list too short for the level") << storeText(3, 0, q3short, {0, 0, 0}) << 3u;
        QTest::newRow("level 0") << storeText(0, 0, {}, {}) << 1u;
        QTest::newRow("level 13") << storeText(13, 0, q3, {0, 0, 0}) << 1u;
        QTest::newRow("position past the end") << storeText(3, 21, q3, {0, 0, 0}) << 3u;
        QTest::newRow("negative position") << storeText(3, -1, q3, {0, 0, 0}) << 3u;
        QTest::newRow("stats shorter than the level") << storeText(3, 2, q3, {1}) << 3u;
        QTest::newRow("stats longer than the level") << storeText(3, 2, q3, {1, 0, 0, 4}) << 3u;
        QTest::newRow("question of another level") << storeText(3, 2, outside, {0, 0, 0}) << 3u;
        QTest::newRow("question beyond the keyboard") << storeText(3, 2, outOfRange, {0, 0, 0}) << 3u;
        QTest::newRow("missing groups") << QByteArray("[Other]\nx=1\n") << 1u;
        QTest::newRow("not an INI file at all") << QByteArray("\x00\xff garbage [[[ =\n\x01", 18) << 1u;
        QTest::newRow("non-numeric values")
            << QByteArray("[GlobalSetting]\nMaturityLevel=abc\nCurrentQuestion=x\n"
                          "[StatsAndQuestions]\nquestions\\size=seven\nstats\\size=?\n")
            << 1u;
        QTest::newRow("huge array sizes")
            << QByteArray("[GlobalSetting]\nMaturityLevel=3\n"
                          "[StatsAndQuestions]\nquestions\\size=1000000000\nstats\\size=1000000000\n")
            << 3u;
        QTest::newRow("negative array sizes")
            << QByteArray("[GlobalSetting]\nMaturityLevel=2\n"
                          "[StatsAndQuestions]\nquestions\\size=-14\nstats\\size=-2\n")
            << 2u;
    }

    void inconsistentStoresGetAFreshList()
    {
        QFETCH(QByteArray, store);
        QFETCH(unsigned, level);
        const QString path = TestStore::freshStore(store);

        QuestionBank bank;
        verifyFreshList(bank, level);

        // The repair is written back, so the next start loads it as it is.
        QuestionBank reloaded;
        QCOMPARE(reloaded.questions, bank.questions);
        QCOMPARE(reloaded.maturityLevel, level);
        QVERIFY(TestStore::fileText(path).contains("MaturityLevel=" + QByteArray::number(level)));
    }

    // An earlier version stored the last answer before the level rule ran;
    // the rule runs at the next start instead of the session being lost.
    void aSessionStoredFinishedMovesOnByTheLevelRule()
    {
        const auto q3 = levelThreeQuestions();
        QByteArray text = storeText(3, 21, q3, {5, 5, 4});
        text.replace("CorrectStats=2", "CorrectStats=14");
        TestStore::freshStore(text);
        QuestionBank bank;
        verifyFreshList(bank, 4);
    }

    void storedArraysAndCountersHoldOnlyWhatTheSessionCanHave()
    {
        const auto q3 = levelThreeQuestions();
        QByteArray text = storeText(3, 5, q3, {1, 1, 0});
        text.replace("CorrectStats=2", "CorrectStats=-1").replace("InCorrectStats=3", "InCorrectStats=40");
        const QString path = TestStore::freshStore(text);
        QuestionBank bank;
        QCOMPARE(bank.currentQuestion, 5u);
        QCOMPARE(bank.correctCount, 0u); // a -1 must not pass the session
        QCOMPARE(bank.incorrectCount, 21u);
        QVERIFY(bank.answerResults.empty()); // none were stored

        // A shorter list leaves none of the longer one's elements behind.
        bank.setLevel(1);
        const QByteArray written = TestStore::fileText(path);
        QVERIFY2(!written.contains("questions\\8\\"), written.constData());
        QVERIFY(!written.contains("stats\\2\\"));
        QuestionBank reloaded;
        QCOMPARE(reloaded.questions.size(), std::size_t(7));

        // Each answer's result is kept, so that a restart can show it.
        reloaded.scoreAnswer(reloaded.questions[0]);
        ++reloaded.currentQuestion;
        reloaded.scoreAnswer(0);
        QuestionBank again;
        QCOMPARE(again.answerResults, (std::vector<std::uint32_t>{1, 0}));
    }

    void absentOptionsTakeTheirDefaults()
    {
        const auto q3 = levelThreeQuestions();
        TestStore::freshStore(storeText(3, 0, q3, {0, 0, 0}, "ShowColorMap=false\n"));
        QuestionBank bank;
        QVERIFY(bank.showHelpOnStartup);
        QVERIFY(!bank.showColorMap);
        QCOMPARE(bank.questions.size(), std::size_t(21));
    }

    // A FIFO would hang the start for ever and the store's atomic write would
    // rename a new file over a device or over the history: such a path is
    // left as it is, one line says so, and training goes on without storing.
    void aStorePathThatIsNoRegularFileIsLeftAloneAndTrainingGoesOn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a device") << "device";
        QTest::newRow("link to nothing") << "dangling";
        QTest::newRow("link to the answer history") << "history";
    }

    void aStorePathThatIsNoRegularFileIsLeftAloneAndTrainingGoesOn()
    {
        QFETCH(QString, kind);
        const QString path = TestStore::freshStore();
        QString target;
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            target = kind == "device" ? QString("/dev/null") : AnswerHistory::defaultPath();
            if (kind == "history") {
                AnswerHistory history(target);
                AnswerRecord r;
                r.source = "screen keyboard";
                QVERIFY(history.append(r) > 0);
            }
            QVERIFY(QFile::link(target, path));
        }
        const QByteArray historyBefore = kind == "history" ? TestStore::fileText(target) : QByteArray();

        QuestionBank bank;
        QVERIFY(!bank.storing());
        QVERIFY2(bank.storeProblem().contains(path), qPrintable(bank.storeProblem()));
        verifyFreshList(bank, 1);
        bank.answer(bank.questions[0]);
        bank.save();
        QCOMPARE(bank.currentQuestion, 0u);
        QVERIFY(!bank.openSameStore());

        struct stat info;
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
        QVERIFY(kind == "fifo" ? S_ISFIFO(info.st_mode) : S_ISLNK(info.st_mode));
        if (kind == "device") {
            QCOMPARE(::stat("/dev/null", &info), 0);
            QVERIFY(S_ISCHR(info.st_mode));
        }
        if (kind == "history")
            QCOMPARE(TestStore::fileText(target), historyBefore);
        QFile::remove(path);
    }

    void aLinkToARegularFileIsFollowedAndKept()
    {
        const QString path = TestStore::freshStore();
        const QString target = TestStore::configHome() + "/elsewhere/orvelle-store.ini";
        QDir().mkpath(QFileInfo(target).path());
        const auto q3 = levelThreeQuestions();
        {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(storeText(3, 5, q3, {1, 0, 0}));
        }
        QVERIFY(QFile::link(target, path));
        QuestionBank bank;
        QVERIFY(bank.storing());
        QVERIFY(bank.storeProblem().isEmpty());
        QCOMPARE(bank.maturityLevel, 3u);
        QCOMPARE(bank.currentQuestion, 5u);
        bank.scoreAnswer(bank.questions[5]);
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY2(TestStore::fileText(target).contains("CurrentQuestion=6"), TestStore::fileText(target).constData());
    }

    // Each answer's state that cannot be written is shown in the window's
    // line and written by the retry once the file system lets it.
    void aStoreThatCannotBeWrittenSaysSoAndIsWrittenOnceItCan()
    {
        QTemporaryDir historyDir;
        SmallDisk disk(TestStore::configHome() + "/Brandmoor", 256);
        if (!disk.isAvailable())
            QSKIP("a read-only file system needs root here");
        const QString path = TestStore::freshStore();
        {
            QuestionBank bank;
            Preferences options;
            keepOptionsInStore(options, bank);
            AnswerHistory history(historyDir.filePath("history.sqlite"));
            StorageStatus status(bank, history);
            QVERIFY(status.line().isEmpty());
            QVERIFY(disk.setReadOnly(true));
            // An option that cannot be written says so like the training
            // state does, and is written with the state once it can.
            options.setLabelCKeys(false);
            QVERIFY2(status.line().contains("training state cannot be written"), qPrintable(status.line()));
            bank.scoreAnswer(bank.questions[0]);
            QVERIFY2(status.line().contains("training state cannot be written"), qPrintable(status.line()));
            bank.currentQuestion = 1;
            bank.scoreAnswer(bank.questions[1]);
            QVERIFY(!TestStore::fileText(path).contains("CurrentQuestion=2"));
            QVERIFY(disk.setReadOnly(false));
            QTRY_VERIFY_WITH_TIMEOUT(status.line().isEmpty(), 5000);
            QVERIFY2(TestStore::fileText(path).contains("CurrentQuestion=2"), TestStore::fileText(path).constData());
            QVERIFY(TestStore::fileText(path).contains("LabelCKeys=false\n"));
        }
    }
};

ORVELLE_TEST_MAIN(PersistenceTest, QCoreApplication)
#include "test_persistence.moc"
