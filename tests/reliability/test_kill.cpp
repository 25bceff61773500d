// The program as a separate process (built without the built-in synthesiser,
// so its notes reach this test's synth port), answering questions from this
// test's keyboard port, killed with SIGKILL at random moments, again and
// again. After every kill the store must load without repair and hold every
// answer the program acknowledged; only the answer in flight may be lost.
//
// An answer counts as acknowledged once the next question's note-on has
// reached the synth port: by then it was scored and saved.
//
// Each life clicks the start button ("Begin here", which starts level 1 anew)
// with xdotool at the place the test build of the program reports, answers up
// to six questions (a level-1 session has seven, so the level never changes),
// and is killed at a random moment. Now and then a life is killed while it
// starts, before anything is clicked: then the store must be as it was.

#include "jack_fixture.h"
#include "question_bank.h"
#include "test_store.h"

#include <jack/jack.h>

#include <QProcess>
#include <QtTest>

#include <optional>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

#ifdef ORVELLE_SANITIZED
constexpr int kDefaultKills = 10;
#else
constexpr int kDefaultKills = 50;
#endif
constexpr unsigned kMostAnswersPerLife = 6;
// Clicks, three seconds apart, after which a start without question counts
// as a start without MIDI.
constexpr int kMostClicks = 3;

int killCount()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("ORVELLE_KILLS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : kDefaultKills;
}

bool isQuestionNoteOn(const Bytes &b)
{
    return b.size() == 3 && b[0] == 0x90 && b[2] == 0x60;
}

struct Answer {
    unsigned question = 0;
    bool correct = false;
};

// What a store says about the running session.
struct StoredSession {
    std::vector<std::uint32_t> questions;
    std::vector<std::uint32_t> noteStats;
    std::uint32_t currentQuestion = 0;
    std::uint32_t correct = 0;
    std::uint32_t incorrect = 0;
    std::uint32_t level = 0;

    bool operator==(const StoredSession &o) const
    {
        return questions == o.questions && noteStats == o.noteStats && currentQuestion == o.currentQuestion &&
               correct == o.correct && incorrect == o.incorrect && level == o.level;
    }
};

} // namespace

class KillTest : public QObject {
    Q_OBJECT

    JackMidiPeer peer{"orvelle-killer"};
    QTemporaryDir programHome;
    std::mt19937 random{20261207};

    int below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    QString programStore() const { return programHome.path() + "/Brandmoor/Orvelle.conf"; }

    std::vector<unsigned> questionsReached()
    {
        std::vector<unsigned> notes;
        for (const auto &m : peer.received())
            if (isQuestionNoteOn(m.bytes))
                notes.push_back(m.bytes[1]);
        return notes;
    }

    // Loads a copy of the program's store the way the program does; fails
    // the test when loading had to repair it.
    std::optional<StoredSession> loadCopy(const QByteArray &contents)
    {
        const QString path = TestStore::freshStore(contents);
        QuestionBank bank;
        if (TestStore::fileText(path) != contents) {
            qWarning("the store was repaired on loading:\n%s", contents.constData());
            return std::nullopt;
        }
        StoredSession s;
        s.questions = bank.questions;
        s.noteStats = bank.noteStats;
        s.currentQuestion = bank.currentQuestion;
        s.correct = bank.correctCount;
        s.incorrect = bank.incorrectCount;
        s.level = bank.maturityLevel;
        // What the bank read is what the file says, key by key.
        QSettings raw(path, QSettings::IniFormat);
        if (raw.value("GlobalSetting/CurrentQuestion").toUInt() != s.currentQuestion ||
            raw.value("GlobalSetting/CorrectStats").toUInt() != s.correct ||
            raw.value("GlobalSetting/InCorrectStats").toUInt() != s.incorrect)
            return std::nullopt;
        return s;
    }

    bool startProgram(QProcess &program)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", programHome.path());
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.setReadChannel(QProcess::StandardOutput);
        program.start(QStringLiteral(ORVELLE_TEST_PORTS_BINARY), QStringList());
        return program.waitForStarted(10000);
    }

    // The latest place of the enabled start button that the program reported.
    void readStartButton(QProcess &program, QByteArray &pending, std::optional<QPoint> &latest)
    {
        pending += program.readAllStandardOutput();
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> words = pending.left(end).trimmed().split(' ');
            pending.remove(0, end + 1);
            if (words.size() == 4 && words[0] == "startButton")
                latest = words[3] == "1" ? std::optional<QPoint>(QPoint(words[1].toInt(), words[2].toInt()))
                                         : std::nullopt;
        }
    }

    // Clicks the start button until the first question reaches the synth port.
    QString beginFailure;

    bool beginSession(QProcess &program)
    {
        int clicks = 0;
        QByteArray pending;
        std::optional<QPoint> at;
        QElapsedTimer clock;
        clock.start();
        qint64 lastClick = -10000;
        while (clock.elapsed() < 60000 && clicks < kMostClicks) {
            if (!questionsReached().empty())
                return true;
            if (program.state() != QProcess::Running) {
                beginFailure = QString("the program ended (exit status %1, code %2)")
                                   .arg(int(program.exitStatus()))
                                   .arg(program.exitCode());
                return false;
            }
            readStartButton(program, pending, at);
            if (at && clock.elapsed() - lastClick > 3000) {
                if (qEnvironmentVariableIsSet("ORVELLE_KILL_TRACE"))
                    qInfo("click at %d,%d after %lld ms", at->x(), at->y(), clock.elapsed());
                // Moved off and onto the button, as a hand would; "--sync"
                // would wait forever for a pointer already in place.
                QProcess::execute("xdotool", {"mousemove", "0", "0", "sleep", "0.1", "mousemove",
                                              QString::number(at->x()), QString::number(at->y()), "sleep", "0.2",
                                              "click", "1"});
                lastClick = clock.elapsed();
                ++clicks;
            }
            QTest::qWait(20);
        }
        beginFailure = QString("%1 clicks, start button %2").arg(clicks).arg(at ? "enabled" : "never seen enabled");
        return false;
    }

    void killNow(QProcess &program)
    {
        program.kill(); // SIGKILL
        program.waitForFinished(10000);
        trace("killed");
        // The server takes a while to give up the killed program's clients;
        // the next start waits for that, as a user restarting it would.
        QElapsedTimer clock;
        clock.start();
        while (programPortsRemain() && clock.elapsed() < 30000)
            QTest::qWait(50);
        trace("ports gone");
        QTest::qWait(300); // and their clients with them
    }

    bool programPortsRemain()
    {
        if (!watcher) {
            jack_status_t status;
            watcher = jack_client_open("orvelle-kill-watch", JackNoStartServer, &status);
            if (!watcher)
                return false;
        }
        // The program's client is "Orvelle" (JACK numbers the others "Orvelle-NN").
        const char **ports = jack_get_ports(watcher, "^Orvelle(-[0-9]+)?:", nullptr, 0);
        const bool remain = ports && ports[0];
        if (ports)
            jack_free(ports);
        return remain;
    }

    jack_client_t *watcher = nullptr;

    QElapsedTimer sinceStart;
    void trace(const char *what)
    {
        if (qEnvironmentVariableIsSet("ORVELLE_KILL_TRACE"))
            qInfo("%lld ms: %s", sinceStart.elapsed(), what);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(peer.isOpen(), "no JACK server to test with");
        QVERIFY(programHome.isValid());
        QDir().mkpath(programHome.path() + "/Brandmoor");
        QFile store(programStore());
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("[GlobalSetting]\nShowHelpOnStartup=false\n");
    }

    void killedAtRandomMomentsTheStoreKeepsEveryAcknowledgedAnswer()
    {
        const int kills = killCount();
        int survived = 0;
        int earlyKills = 0;
        int withoutMidi = 0;
        long acknowledgedTotal = 0;
        long lostTotal = 0;
        long inFlightSaved = 0;
        std::optional<StoredSession> previous;

        for (int life = 0; life < kills; ++life) {
            peer.clearReceived();
            QProcess program;
            if (!sinceStart.isValid())
                sinceStart.start();
            trace("starting");
            QVERIFY2(startProgram(program), "the program did not start");

            // Now and then a kill while the program starts, before any click.
            if (previous && below(5) == 0) {
                QTest::qWait(below(1500));
                killNow(program);
                const auto stored = loadCopy(TestStore::fileText(programStore()));
                QVERIFY2(stored, qPrintable(QString("life %1: the store does not load cleanly").arg(life)));
                QVERIFY2(*stored == *previous, qPrintable(QString("life %1: a start changed the store").arg(life)));
                ++earlyKills;
                ++survived;
                continue;
            }

            if (!beginSession(program)) {
                // A program that could not reach the server while it was
                // still giving up the killed clients runs without MIDI (it
                // says so), and its questions reach no port. It is killed
                // like the others and the store checked; too many of these
                // would leave nothing tested.
                killNow(program);
                QVERIFY2(beginFailure.contains("clicks"),
                         qPrintable(QString("life %1: %2").arg(life).arg(beginFailure)));
                const auto stored = loadCopy(TestStore::fileText(programStore()));
                QVERIFY2(stored, qPrintable(QString("life %1: the store does not load cleanly").arg(life)));
                QVERIFY2(!previous || *stored == *previous || stored->currentQuestion == 0,
                         qPrintable(QString("life %1: a start without MIDI kept answers it cannot have").arg(life)));
                previous = stored;
                ++withoutMidi;
                ++survived;
                QVERIFY2(withoutMidi <= std::max(2, kills / 5), "too many starts without MIDI");
                continue;
            }

            trace("first question");
            std::vector<Answer> acknowledged;
            std::optional<Answer> inFlight;
            std::size_t questionsSeen = 0;
            qint64 answerAt = -1;
            QElapsedTimer clock;
            clock.start();
            const qint64 killAt = below(3000);
            while (clock.elapsed() < killAt) {
                const auto reached = questionsReached();
                if (reached.size() > questionsSeen) {
                    questionsSeen = reached.size();
                    if (inFlight) {
                        acknowledged.push_back(*inFlight);
                        inFlight.reset();
                    }
                    if (acknowledged.size() < kMostAnswersPerLife)
                        answerAt = clock.elapsed() + below(250);
                }
                if (answerAt >= 0 && clock.elapsed() >= answerAt) {
                    answerAt = -1;
                    Answer answer;
                    answer.question = reached.back();
                    answer.correct = below(3) != 0;
                    const unsigned note = answer.correct ? answer.question : answer.question + 1;
                    peer.send({static_cast<std::uint8_t>(0x90 | below(16)), static_cast<std::uint8_t>(note),
                               static_cast<std::uint8_t>(1 + below(127))});
                    inFlight = answer;
                }
                QTest::qWait(2);
            }
            killNow(program);

            const auto stored = loadCopy(TestStore::fileText(programStore()));
            QVERIFY2(stored, qPrintable(QString("life %1: the store does not load cleanly").arg(life)));
            QCOMPARE(stored->level, 1u);

            // Acknowledged answers, and perhaps the one in flight, nothing else.
            const std::size_t held = stored->currentQuestion;
            QVERIFY2(held == acknowledged.size() || (inFlight && held == acknowledged.size() + 1),
                     qPrintable(QString("life %1: %2 answers acknowledged, %3 in flight, %4 stored")
                                    .arg(life)
                                    .arg(acknowledged.size())
                                    .arg(inFlight ? 1 : 0)
                                    .arg(held)));
            std::vector<Answer> expected = acknowledged;
            if (held > acknowledged.size())
                expected.push_back(*inFlight);
            std::uint32_t correct = 0;
            std::vector<std::uint32_t> stats(stored->level, 0);
            for (std::size_t i = 0; i < expected.size(); ++i) {
                QCOMPARE(stored->questions.at(i), expected[i].question);
                if (expected[i].correct) {
                    ++correct;
                    ++stats.at(noteIndexOf(expected[i].question));
                }
            }
            QCOMPARE(stored->correct, correct);
            QCOMPARE(stored->incorrect, std::uint32_t(expected.size()) - correct);
            QCOMPARE(stored->noteStats, stats);

            acknowledgedTotal += long(acknowledged.size());
            lostTotal += long(acknowledged.size()) - long(std::min(held, acknowledged.size()));
            inFlightSaved += held > acknowledged.size();
            previous = stored;
            ++survived;
            trace("checked");
        }
        qInfo("kill: %d kills survived (%d while starting, %d started without MIDI), %ld answers acknowledged, "
              "%ld lost, %ld in flight saved",
              survived, earlyKills, withoutMidi, acknowledgedTotal, lostTotal, inFlightSaved);
        QCOMPARE(lostTotal, 0L);
        QVERIFY(acknowledgedTotal > 0);
    }

    void cleanupTestCase()
    {
        if (watcher)
            jack_client_close(watcher);
    }
};

ORVELLE_TEST_MAIN(KillTest, QCoreApplication)

#include "test_kill.moc"
