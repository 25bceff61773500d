// The program as a separate process (built without the built-in synthesiser,
// so its notes reach this test's synth port), answering questions from this
// test's keyboard port, killed with SIGKILL at random moments, again and
// again. After every kill the store must load without repair and hold every
// answer the program acknowledged, and the answer history must hold exactly
// one row for each of them; only the answer in flight may be lost.
//
// An answer counts as acknowledged once the window shows it (the test build
// of the program reports the number of answers it shows): by then it was
// scored and stored. The history is written before the store, so a kill
// between the two leaves a row the store lacks; the next start gives it to
// the store. After every kill the store, as the next start makes it, holds
// exactly the answers of the history's rows.
//
// Each life clicks the start button ("Begin here" the first time, then
// "Continue level N") with xdotool at the place the program reports, answers
// up to six questions and is killed at a random moment, often right after an
// answer. Sessions run to their end across lives, so kills also fall right
// after a session's last answer, while its summary shows. Now and then a
// life is killed while it starts, before anything is clicked: then the store
// and the history must be as they were. Every life after the first starts
// where a killed one left its instance lock and socket, and must train.
//
// A pitch test is taken through the keyboard port: the practice and six
// scored notes, a kill, a restart that resumes it at its next note and goes
// on over the rest between the blocks, a second kill, and a third life that
// ends it. The report the window shows must be the one its kept
// trials give, and training's store and history must be as they were.
//
// Last, the program is sent SIGTERM while a question sounds: it ends as its
// close button would, with All Sound Off on every channel of the test's
// port and the store as it was after the last answer.

#include "answer_history.h"
#include "jack_fixture.h"

#include <pitchtest/test_store.h>
#include "question_bank.h"
#include "storage_status.h"
#include "test_store.h"

#include <jack/jack.h>

#include <QProcess>
#include <QtTest>

#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>

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

// What the test build of the program reports on its standard output.
struct ProbeState {
    QByteArray pending;
    std::optional<QPoint> startButton; // where it is, while enabled
    int shown = -1;                    // answers the window shows
    int baseline = -1;                 // ... when the life began
    std::optional<QPoint> pitchTestButton;
    QByteArray pitchTestPage;
    QList<QByteArray> pitchTestReport; // the figures, once the report shows
};

// A pitch test's tone: played at one of its three velocities (questions
// are played at 96).
bool isTestToneOn(const Bytes &b)
{
    return b.size() == 3 && (b[0] & 0xF0) == 0x90 && (b[2] == 120 || b[2] == 100 || b[2] == 85);
}

// What a store says about the running session.
struct StoredSession {
    std::vector<std::uint32_t> questions;
    std::vector<std::uint32_t> noteStats;
    std::uint32_t currentQuestion = 0;
    std::uint32_t correct = 0;
    std::uint32_t incorrect = 0;
    std::uint32_t level = 0;
    // The list is a new random one that this test made itself (a row taken
    // in at restart finished the session): the program's differs.
    bool listUnknown = false;

    bool operator==(const StoredSession &o) const
    {
        return (listUnknown || o.listUnknown || questions == o.questions) && noteStats == o.noteStats &&
               currentQuestion == o.currentQuestion && correct == o.correct && incorrect == o.incorrect &&
               level == o.level;
    }
};

} // namespace

// Whether `after` is the store that `before` becomes once `answers` are
// given, in order; empty when it is, else what differs. A session's last
// answer stores the next session at once: its level by the level rule, its
// position and counters at zero.
QString checkSessionAfter(const StoredSession &before, const std::vector<Answer> &answers, const StoredSession &after)
{
    const unsigned level = before.level;
    const unsigned count = 7 * level;
    // A fresh level-1 store gets a new list from "Begin here".
    const bool fresh = (level == 1 && before.currentQuestion == 0) || before.listUnknown;
    std::uint32_t position = before.currentQuestion;
    std::uint32_t correct = before.correct;
    std::uint32_t incorrect = before.incorrect;
    std::vector<std::uint32_t> stats = before.noteStats;
    bool finished = false;
    for (const Answer &a : answers) {
        if (finished)
            return "an answer after the session's end";
        if (!fresh && before.questions.at(position) != a.question)
            return QString("answered question %1 is not the stored question %2").arg(a.question).arg(position);
        ++position;
        if (a.correct) {
            ++correct;
            ++stats.at(noteIndexOf(a.question));
        } else {
            ++incorrect;
        }
        finished = position == count;
    }
    if (finished) {
        const bool passed = correct >= 0.65 * count;
        const bool levelOk = passed ? after.level == std::min(level + 1, 12u)
                                    : after.level == level || (level > 2 && after.level == level - 1);
        if (!levelOk)
            return QString("level %1 after a session at level %2 with %3 of %4").arg(after.level).arg(level).arg(correct).arg(count);
        if (after.currentQuestion != 0 || after.correct != 0 || after.incorrect != 0)
            return "the next session does not start at its beginning";
        return QString();
    }
    if (after.level != level || after.currentQuestion != position || after.correct != correct ||
        after.incorrect != incorrect || after.noteStats != stats)
        return QString("level %1 position %2 right %3 wrong %4 stored; %5 %6 %7 %8 expected")
            .arg(after.level).arg(after.currentQuestion).arg(after.correct).arg(after.incorrect)
            .arg(level).arg(position).arg(correct).arg(incorrect);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (after.questions.at(before.currentQuestion + i) != answers[i].question)
            return "the stored list does not hold the questions answered";
    }
    if (!fresh && after.questions != before.questions)
        return "the stored list changed";
    return QString();
}

class KillTest : public QObject {
    Q_OBJECT

    JackMidiPeer peer{"orvelle-killer"};
    QTemporaryDir programHome;
    std::mt19937 random{20261207};

    int below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    QString programStore() const { return programHome.path() + "/Brandmoor/Orvelle.conf"; }
    QString programHistory() const { return programHome.path() + "/data/Brandmoor/Orvelle/history.sqlite"; }

    // The history the program left, row by row; empty when it wrote none.
    std::vector<Answer> historyRows()
    {
        std::vector<Answer> rows;
        if (!QFileInfo::exists(programHistory()))
            return rows;
        const AnswerHistory history(programHistory(), AnswerHistory::Mode::ReadOnly);
        history.forEach([&rows](const AnswerRecord &r) { rows.push_back({r.questionNote, r.correct}); });
        return rows;
    }

    // Every row the history must hold, then perhaps the answer in flight.
    QString checkHistory(std::vector<Answer> &kept, const std::optional<Answer> &inFlight)
    {
        const std::vector<Answer> rows = historyRows();
        const bool withInFlight = inFlight && rows.size() == kept.size() + 1;
        if (rows.size() != kept.size() && !withInFlight)
            return QString("%1 rows in the history, %2 answers acknowledged").arg(rows.size()).arg(kept.size());
        if (withInFlight)
            kept.push_back(*inFlight);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].question != kept[i].question || rows[i].correct != kept[i].correct)
                return QString("history row %1 is not the answer given").arg(i);
        }
        return QString();
    }

    std::vector<unsigned> questionsReached()
    {
        std::vector<unsigned> notes;
        for (const auto &m : peer.received())
            if (isQuestionNoteOn(m.bytes))
                notes.push_back(m.bytes[1]);
        return notes;
    }

    // Loads a copy of the program's store the way the program does; fails
    // the test when loading had to repair it. `restart`: and gives it the
    // history rows it lacks, as the next start of the program does.
    std::optional<StoredSession> loadCopy(const QByteArray &contents, bool restart = false)
    {
        const QString path = TestStore::freshStore(contents);
        QuestionBank bank;
        if (TestStore::fileText(path) != contents) {
            qWarning("the store was repaired on loading:\n%s", contents.constData());
            return std::nullopt;
        }
        bool rebuilt = false;
        if (restart) {
            const AnswerHistory history(programHistory(), AnswerHistory::Mode::ReadOnly);
            rebuilt = takeInMissingAnswers(bank, history) > 0 && bank.currentQuestion == 0;
        }
        StoredSession s;
        s.questions = bank.questions;
        s.noteStats = bank.noteStats;
        s.currentQuestion = bank.currentQuestion;
        s.correct = bank.correctCount;
        s.incorrect = bank.incorrectCount;
        s.level = bank.maturityLevel;
        s.listUnknown = rebuilt;
        // What the bank read is what the file says, key by key.
        QSettings raw(path, QSettings::IniFormat);
        // (After a restart the bank's position has moved on past the row it
        // took in, as the program's does after the feedback pause.)
        if (!restart && (raw.value("GlobalSetting/CurrentQuestion").toUInt() != s.currentQuestion ||
                         raw.value("GlobalSetting/CorrectStats").toUInt() != s.correct ||
                         raw.value("GlobalSetting/InCorrectStats").toUInt() != s.incorrect))
            return std::nullopt;
        return s;
    }

    bool startProgram(QProcess &program) { return startProgram(program, programHome.path()); }

    bool startProgram(QProcess &program, const QString &home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home);
        env.insert("XDG_DATA_HOME", home + "/data");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.setReadChannel(QProcess::StandardOutput);
        program.start(QStringLiteral(ORVELLE_TEST_PORTS_BINARY), QStringList());
        return program.waitForStarted(10000);
    }

    void readProbe(QProcess &program, ProbeState &probe)
    {
        probe.pending += program.readAllStandardOutput();
        int end;
        while ((end = probe.pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> words = probe.pending.left(end).trimmed().split(' ');
            probe.pending.remove(0, end + 1);
            if (words.size() == 4 && words[0] == "startButton") {
                probe.startButton = words[3] == "1" ? std::optional<QPoint>(QPoint(words[1].toInt(), words[2].toInt()))
                                                    : std::nullopt;
            } else if (words.size() == 3 && words[0] == "pitchTestButton") {
                probe.pitchTestButton = QPoint(words[1].toInt(), words[2].toInt());
            } else if (words.size() == 2 && words[0] == "pitchTest") {
                probe.pitchTestPage = words[1];
            } else if (words.size() == 6 && words[0] == "pitchTestReport") {
                probe.pitchTestReport = words.mid(1);
            } else if (words.size() == 2 && words[0] == "answers") {
                probe.shown = words[1].toInt();
                if (probe.baseline < 0)
                    probe.baseline = probe.shown;
            }
        }
    }

    // Clicks the start button until the first question reaches the synth port.
    QString beginFailure;

    bool beginSession(QProcess &program, ProbeState &probe)
    {
        int clicks = 0;
        std::optional<QPoint> &at = probe.startButton;
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
            readProbe(program, probe);
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
        int sessionsFinished = 0;
        long acknowledgedTotal = 0;
        long inFlightSaved = 0;
        int inFlightInHistoryOnly = 0;
        std::optional<StoredSession> previous;
        std::vector<Answer> inHistory;

        for (int life = 0; life < kills; ++life) {
            peer.clearReceived();
            QProcess program;
            if (!sinceStart.isValid())
                sinceStart.start();
            trace("starting");
            QVERIFY2(startProgram(program), "the program did not start");
            const auto lifeFailure = [life](const QString &what) { return QString("life %1: %2").arg(life).arg(what); };

            // Now and then a kill while the program starts, before any click.
            if (previous && below(5) == 0) {
                QTest::qWait(below(1500));
                killNow(program);
                const auto stored = loadCopy(TestStore::fileText(programStore()), true);
                QVERIFY2(stored, qPrintable(lifeFailure("the store does not load cleanly")));
                QVERIFY2(*stored == *previous, qPrintable(lifeFailure("a start changed the store")));
                const QString history = checkHistory(inHistory, std::nullopt);
                QVERIFY2(history.isEmpty(), qPrintable(lifeFailure(history)));
                ++earlyKills;
                ++survived;
                continue;
            }

            ProbeState probe;
            if (!beginSession(program, probe)) {
                // A program that could not reach the server while it was
                // still giving up the killed clients runs without MIDI (it
                // says so), and its questions reach no port. It is killed
                // like the others and the store checked; too many of these
                // would leave nothing tested.
                killNow(program);
                QVERIFY2(beginFailure.contains("clicks"), qPrintable(lifeFailure(beginFailure)));
                const auto stored = loadCopy(TestStore::fileText(programStore()), true);
                QVERIFY2(stored, qPrintable(lifeFailure("the store does not load cleanly")));
                QVERIFY2(!previous || *stored == *previous || stored->currentQuestion == 0,
                         qPrintable(lifeFailure("a start without MIDI kept answers it cannot have")));
                previous = stored;
                ++withoutMidi;
                ++survived;
                QVERIFY2(withoutMidi <= std::max(2, kills / 5), "too many starts without MIDI");
                continue;
            }

            trace("first question");
            std::vector<Answer> sent;
            std::size_t questionsSeen = 0;
            qint64 answerAt = -1;
            QElapsedTimer clock;
            clock.start();
            qint64 killAt = below(3000);
            // Often the kill falls 0-40 ms after a key press, while the
            // answer is written to the history and the store.
            const std::size_t killAfterAnswer = below(2) == 0 ? 1 + below(int(kMostAnswersPerLife)) : 0;
            const auto acknowledgedNow = [&] {
                return std::min<std::size_t>(sent.size(), std::size_t(std::max(0, probe.shown - probe.baseline)));
            };
            while (clock.elapsed() < killAt) {
                readProbe(program, probe);
                const auto reached = questionsReached();
                if (reached.size() > questionsSeen) {
                    questionsSeen = reached.size();
                    if (sent.size() < kMostAnswersPerLife)
                        answerAt = clock.elapsed() + below(250);
                }
                // One answer at a time: the next only once the last is shown.
                if (answerAt >= 0 && clock.elapsed() >= answerAt && acknowledgedNow() == sent.size()) {
                    answerAt = -1;
                    Answer answer;
                    answer.question = reached.back();
                    answer.correct = below(3) != 0;
                    const unsigned note = answer.correct ? answer.question : answer.question + 1;
                    peer.send({static_cast<std::uint8_t>(0x90 | below(16)), static_cast<std::uint8_t>(note),
                               static_cast<std::uint8_t>(1 + below(127))});
                    sent.push_back(answer);
                    if (sent.size() == killAfterAnswer)
                        killAt = clock.elapsed() + below(41);
                }
                QTest::qWait(2);
            }
            readProbe(program, probe);
            const std::size_t acknowledgedCount = acknowledgedNow();
            killNow(program);

            const std::vector<Answer> acknowledged(sent.begin(), sent.begin() + acknowledgedCount);
            const std::optional<Answer> inFlight =
                sent.size() > acknowledgedCount ? std::optional<Answer>(sent[acknowledgedCount]) : std::nullopt;

            const auto stored = loadCopy(TestStore::fileText(programStore()));
            QVERIFY2(stored, qPrintable(lifeFailure("the store does not load cleanly")));
            // The first start finds no session and makes a level-1 one.
            StoredSession before;
            before.level = 1;
            before.noteStats = {0};
            if (previous)
                before = *previous;

            // Acknowledged answers, and perhaps the one in flight, nothing else.
            QString problem = checkSessionAfter(before, acknowledged, *stored);
            if (!problem.isEmpty() && inFlight) {
                std::vector<Answer> withInFlight = acknowledged;
                withInFlight.push_back(*inFlight);
                if (checkSessionAfter(before, withInFlight, *stored).isEmpty()) {
                    problem.clear();
                    ++inFlightSaved;
                }
            }
            QVERIFY2(problem.isEmpty(), qPrintable(lifeFailure(problem + QString(" (%1 acknowledged, %2 in flight)")
                                                                         .arg(acknowledged.size())
                                                                         .arg(inFlight ? 1 : 0))));
            const std::size_t rowsBefore = inHistory.size();
            inHistory.insert(inHistory.end(), acknowledged.begin(), acknowledged.end());
            const QString history = checkHistory(inHistory, inFlight);
            QVERIFY2(history.isEmpty(), qPrintable(lifeFailure(history)));

            // After the restart, the store holds the answers of this life's
            // history rows: not one more, not one less.
            const std::vector<Answer> lifeRows(inHistory.begin() + long(rowsBefore), inHistory.end());
            const auto restarted = loadCopy(TestStore::fileText(programStore()), true);
            QVERIFY2(restarted, qPrintable(lifeFailure("the store does not load cleanly")));
            const QString agree = checkSessionAfter(before, lifeRows, *restarted);
            QVERIFY2(agree.isEmpty(), qPrintable(lifeFailure("store and history disagree: " + agree)));
            inFlightInHistoryOnly += stored->currentQuestion != restarted->currentQuestion ||
                                     stored->level != restarted->level;

            sessionsFinished += stored->level != before.level || stored->currentQuestion < before.currentQuestion;
            acknowledgedTotal += long(acknowledged.size());
            previous = restarted;
            ++survived;
            trace("checked");
        }
        qInfo("kill: %d kills survived (%d while starting, %d started without MIDI), %ld answers acknowledged, "
              "%ld in flight saved, %d sessions finished, %d rows in the history, %d answers given to the store at restart",
              survived, earlyKills, withoutMidi, acknowledgedTotal, inFlightSaved, sessionsFinished,
              int(inHistory.size()), inFlightInHistoryOnly);
        QVERIFY(acknowledgedTotal > 0);
    }

    // Clicks like a hand: off the spot, onto it, then the button.
    static void clickAt(const QPoint &at)
    {
        QProcess::execute("xdotool", {"mousemove", "0", "0", "sleep", "0.1", "mousemove", QString::number(at.x()),
                                      QString::number(at.y()), "sleep", "0.2", "click", "1"});
    }

    // Opens the pitch test with its header button; true once its first page shows.
    bool openPitchTest(QProcess &program, ProbeState &probe)
    {
        QElapsedTimer clock;
        clock.start();
        qint64 lastClick = -10000;
        while (clock.elapsed() < 60000 && program.state() == QProcess::Running) {
            readProbe(program, probe);
            if (probe.pitchTestPage == "intro")
                return true;
            if (probe.pitchTestButton && probe.startButton && clock.elapsed() - lastClick > 3000) {
                clickAt(*probe.pitchTestButton);
                lastClick = clock.elapsed();
            }
            QTest::qWait(20);
        }
        return false;
    }

    std::vector<unsigned> testTonesReached()
    {
        std::vector<unsigned> notes;
        for (const auto &m : peer.received())
            if (isTestToneOn(m.bytes))
                notes.push_back(m.bytes[1]);
        return notes;
    }

    // Answers the test's tones through the keyboard port as they come, `count`
    // of them, with respond(note, i); skips the rest between the blocks with
    // Enter. An answer the server dropped (no next tone for a while, and no
    // rest) is pressed again: the program ignores a second one that arrives
    // during the noise. Returns the notes asked.
    std::vector<unsigned> answerTestTones(QProcess &program, ProbeState &probe, int count,
                                          const std::function<unsigned(unsigned, int)> &respond)
    {
        std::vector<unsigned> asked;
        unsigned reply = 0;
        bool restSkipped = false;
        QElapsedTimer clock, sinceAnswer;
        clock.start();
        while (clock.elapsed() < 600000 && program.state() == QProcess::Running) {
            readProbe(program, probe);
            const std::vector<unsigned> tones = testTonesReached();
            if (tones.size() > asked.size()) {
                if (int(asked.size()) == count)
                    break; // the tone after the last answer
                asked.push_back(tones.back());
                reply = respond(tones.back(), int(asked.size()) - 1);
                QTest::qWait(50 + below(200));
                peer.send({0x90, static_cast<std::uint8_t>(reply), 90});
                sinceAnswer.start();
            } else if (probe.pitchTestPage == "rest" && !restSkipped) {
                QProcess::execute("xdotool", {"key", "Return"});
                restSkipped = true;
            } else if (int(asked.size()) == count && sinceAnswer.isValid() && sinceAnswer.elapsed() > 500) {
                break;
            } else if (sinceAnswer.isValid() && sinceAnswer.elapsed() > 6000 && probe.pitchTestPage != "rest") {
                peer.send({0x90, static_cast<std::uint8_t>(reply), 90});
                sinceAnswer.start();
            }
            QTest::qWait(10);
        }
        return asked;
    }

    // Scored trials kept for the test under way, read as the next start would.
    static int keptTrials(const QString &history)
    {
        PitchTest::TestStore store(history, AnswerHistory::kSchemaVersion);
        const auto open = store.unfinished();
        return open ? int(open->answers.size()) : -1;
    }

    void aPitchTestKilledMidwayResumesAndItsReportMatchesItsTrials()
    {
        QTemporaryDir home;
        QDir().mkpath(home.path() + "/Brandmoor");
        const QString storePath = home.path() + "/Brandmoor/Orvelle.conf";
        const QString historyPath = home.path() + "/data/Brandmoor/Orvelle/history.sqlite";
        {
            QFile store(storePath);
            QVERIFY(store.open(QIODevice::WriteOnly));
            store.write("[GlobalSetting]\nShowHelpOnStartup=false\n");
        }
        // Right, a semitone sharp, an octave low, right: by scored trial.
        std::map<int, unsigned> replies;
        const auto scoredReply = [&replies](unsigned note, int scored) {
            const unsigned reply = scored % 4 == 1 ? note + 1 : scored % 4 == 2 ? note - 12 : note;
            replies[scored] = reply;
            return reply;
        };

        // First life: the practice and six scored notes, then a kill.
        peer.clearReceived();
        QProcess program;
        QVERIFY(startProgram(program, home.path()));
        ProbeState probe;
        QVERIFY2(openPitchTest(program, probe), "the pitch test did not open");
        const QByteArray trainingStore = TestStore::fileText(storePath);
        QProcess::execute("xdotool", {"key", "Return"}); // "Start" is the default
        const auto first = answerTestTones(program, probe, 4 + 6, [&](unsigned note, int i) {
            return i < 4 ? note : scoredReply(note, i - 4);
        });
        QCOMPARE(int(first.size()), 10);
        QTRY_COMPARE_WITH_TIMEOUT(keptTrials(historyPath), 6, 10000);
        killNow(program);
        std::vector<unsigned> heard(first.begin() + 4, first.end());

        // Each next start offers it again and Enter resumes it at its next
        // note. The second life answers across the rest between the blocks
        // and is killed too. Between the lives the notes a learner would
        // have answered in the meantime are kept as the program keeps them,
        // which spares this test some three minutes of tones and noise.
        const auto keepAnswersUpTo = [&](int end) {
            PitchTest::TestStore store(historyPath, AnswerHistory::kSchemaVersion);
            const auto open = store.unfinished();
            if (!open)
                return false;
            const PitchTest::TestPlan plan = PitchTest::GeneratePlan(open->seed);
            for (int i = int(open->answers.size()); i < end; ++i) {
                const PitchTest::Trial &trial = plan.scored[std::size_t(i)];
                const unsigned note = unsigned(trial.note);
                if (!store.addTrial({open->id, i, trial, {int(scoredReply(note, i)), 1500}, 0,
                                     peer.keyboardPortName()}))
                    return false;
                heard.push_back(note);
            }
            return true;
        };
        const auto resumeAndAnswer = [&](QProcess &life, ProbeState &lifeProbe, int from, int count) {
            peer.clearReceived();
            if (!startProgram(life, home.path()) || !openPitchTest(life, lifeProbe))
                return std::vector<unsigned>();
            QProcess::execute("xdotool", {"key", "Return"});
            const auto asked = answerTestTones(life, lifeProbe, count, [&](unsigned note, int i) {
                return scoredReply(note, from + i);
            });
            heard.insert(heard.end(), asked.begin(), asked.end());
            return asked;
        };
        QVERIFY(keepAnswersUpTo(34));
        QProcess second;
        ProbeState probeSecond;
        const auto middle = resumeAndAnswer(second, probeSecond, 34, 6);
        QCOMPARE(int(middle.size()), 6);
        QTRY_COMPARE_WITH_TIMEOUT(keptTrials(historyPath), 40, 10000);
        killNow(second);

        QVERIFY(keepAnswersUpTo(66));
        QProcess again;
        ProbeState probeAgain;
        const auto last = resumeAndAnswer(again, probeAgain, 66, 6);
        QCOMPARE(int(last.size()), 6);
        QTRY_VERIFY_WITH_TIMEOUT((readProbe(again, probeAgain), !probeAgain.pitchTestReport.isEmpty()), 15000);
        QCOMPARE(probeAgain.pitchTestPage, QByteArray("report"));

        // Kept: one finished test, its 72 trials those of its seed, answered as given.
        PitchTest::TestStore kept(historyPath, AnswerHistory::kSchemaVersion);
        const auto finished = kept.finished();
        QCOMPARE(int(finished.size()), 1);
        QVERIFY(!kept.unfinished());
        const PitchTest::TestPlan plan = PitchTest::GeneratePlan(finished[0].seed);
        QCOMPARE(middle.front(), unsigned(plan.scored[34].note));
        QCOMPARE(last.front(), unsigned(plan.scored[66].note));
        QCOMPARE(int(heard.size()), 72);
        int trials = 0;
        kept.forEachTrial([&](const PitchTest::StoredTrial &t) {
            QCOMPARE(unsigned(t.trial.note), heard[std::size_t(t.index)]);
            QCOMPARE(unsigned(t.answer.answerNote), replies[t.index]);
            QCOMPARE(t.source, peer.keyboardPortName());
            ++trials;
        });
        QCOMPARE(trials, 72);

        // The report shown is the kept trials' report.
        const PitchTest::TestReport &report = finished[0].report;
        const QList<QByteArray> &shown = probeAgain.pitchTestReport;
        QCOMPARE(shown[0].toDouble(), report.pureTone.points);
        QCOMPARE(shown[1].toDouble(), report.piano.points);
        QVERIFY(qAbs(shown[2].toDouble() - report.overall.classPercent) < 1e-3);
        QVERIFY(qAbs(shown[3].toDouble() - report.overall.keyPercent) < 1e-3);
        // 3 of 4 answers name the class (semitone credit for the fourth).
        QCOMPARE(report.overall.rightClass, 54);
        QCOMPARE(report.overall.points, 54 + 18 * 0.75);

        // Back to training: its store and its history as they were.
        QProcess::execute("xdotool", {"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT((readProbe(again, probeAgain), probeAgain.pitchTestPage), QByteArray("closed"), 5000);
        again.terminate();
        QVERIFY(again.waitForFinished(10000));
        QCOMPARE(TestStore::fileText(storePath), trainingStore);
        QCOMPARE(AnswerHistory(historyPath, AnswerHistory::Mode::ReadOnly).count(), 0);
    }

    void terminatedDuringAQuestionItFallsSilentAndKeepsTheStore()
    {
        QTemporaryDir home;
        QDir().mkpath(home.path() + "/Brandmoor");
        const QString storePath = home.path() + "/Brandmoor/Orvelle.conf";
        {
            QFile store(storePath);
            QVERIFY(store.open(QIODevice::WriteOnly));
            store.write("[GlobalSetting]\nShowHelpOnStartup=false\n");
        }
        peer.clearReceived();
        QProcess program;
        QVERIFY(startProgram(program, home.path()));
        ProbeState probe;
        QVERIFY2(beginSession(program, probe), qPrintable(beginFailure));

        // One answer, stored; then the next question sounds.
        const unsigned first = questionsReached().front();
        peer.send({0x90, static_cast<std::uint8_t>(first), 100});
        QTRY_VERIFY_WITH_TIMEOUT((readProbe(program, probe), probe.shown - probe.baseline == 1), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(questionsReached().size() == 2, 10000);
        const std::size_t sounding = peer.received().size();
        const QByteArray storeAfterAnswer = TestStore::fileText(storePath);

        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const auto silencedChannels = [&] {
            std::set<int> channels;
            const auto received = peer.received();
            for (std::size_t i = sounding; i < received.size(); ++i) {
                const Bytes &b = received[i].bytes;
                if (b.size() == 3 && (b[0] & 0xF0) == 0xB0 && b[1] == 120 && b[2] == 0)
                    channels.insert(b[0] & 0x0F);
            }
            return int(channels.size());
        };
        QTRY_COMPARE_WITH_TIMEOUT(silencedChannels(), 16, 5000);

        const auto stored = loadCopy(TestStore::fileText(storePath));
        QVERIFY2(stored, "the store does not load cleanly");
        StoredSession fresh;
        fresh.level = 1;
        fresh.noteStats = {0};
        const QString problem = checkSessionAfter(fresh, {Answer{first, true}}, *stored);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(TestStore::fileText(storePath), storeAfterAnswer);
    }

    void cleanupTestCase()
    {
        if (watcher)
            jack_client_close(watcher);
    }
};

ORVELLE_TEST_MAIN(KillTest, QCoreApplication)

#include "test_kill.moc"
