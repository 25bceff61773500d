// The answer history on real SQLite files: what is written is read back
// and exported as it was given. Nothing stops training and nothing is
// thrown away: a damaged file is set aside under a name of its own and its
// rows can be recovered; a newer version's file is left untouched; a full
// disk, a read-only file system or another program's lock hold the answers
// in memory, say so, and write each of them once it can, in order, without
// holding up the thread that writes.

#include "answer_history.h"
#include "history_export.h"
#include "question_bank.h"
#include "small_disk.h"
#include "storage_status.h"
#include "test_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

AnswerRecord record(unsigned index, bool correct, const QString &source = QStringLiteral("screen keyboard"))
{
    AnswerRecord r;
    r.timeUtcMs = 1796731200000 + index; // 2026-12-08 12:00 UTC
    r.level = 3;
    r.questionIndex = index;
    r.questionNote = 60;
    r.answerNote = correct ? 60 : 73;
    r.correct = correct;
    r.source = source;
    r.reactionMs = index == 1 ? -1 : 850;
    r.duringNote = index != 2;
    r.replays = index;
    return r;
}

QStringList brokenFiles(const QString &dir)
{
    return QDir(dir).entryList({"history.sqlite.broken-*"}, QDir::Files);
}

// The question indexes of the rows, in the file's order.
QList<unsigned> rowIndexes(const QString &path)
{
    QList<unsigned> indexes;
    const AnswerHistory reader(path, AnswerHistory::Mode::ReadOnly);
    reader.forEach([&indexes](const AnswerRecord &r) { indexes << r.questionIndex; });
    return indexes;
}

QList<unsigned> upTo(unsigned n)
{
    QList<unsigned> all;
    for (unsigned i = 0; i < n; ++i)
        all << i;
    return all;
}

// The longest time the thread's event loop went without running a 5 ms timer.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        clock.start();
        tick.setInterval(5);
        QObject::connect(&tick, &QTimer::timeout, [this] {
            longestMs = std::max(longestMs, clock.restart());
        });
        tick.start();
    }
    qint64 longestMs = 0;

private:
    QElapsedTimer clock;
    QTimer tick;
};

// Overwrites page `page` (from 1) of a closed SQLite file with noise.
void damagePage(const QString &path, int page)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(qint64(page - 1) * 4096));
    QByteArray noise(4096, 0);
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    file.write(noise);
}

// Answers given while the history cannot be written: each is held, the line
// says why, and the thread never waits long.
void giveAnswersThroughAFailure(AnswerHistory &history, StorageStatus &status, unsigned from, unsigned count,
                                const QString &line, int pauseMs, StallMeter &stalls)
{
    for (unsigned i = from; i < from + count; ++i) {
        QCOMPARE(history.append(record(i, true)), qint64(0));
        QVERIFY2(status.line().contains(line), qPrintable(status.line()));
        QTest::qWait(pauseMs);
    }
    QVERIFY(history.heldCount() > 0);
    QVERIFY2(stalls.longestMs < 1000, qPrintable(QString::number(stalls.longestMs)));
}

} // namespace

class AnswerHistoryTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath("history.sqlite"); }

private slots:
    void init()
    {
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(name));
    }

    void answersAreKeptAndExportedAsGiven()
    {
        {
            AnswerHistory history(path());
            QVERIFY(history.problem().isEmpty());
            QVERIFY(history.append(record(0, true)));
            QVERIFY(history.append(record(1, false, "Keys \"Pro\", port 1")));
            QVERIFY(history.append(record(2, true)));
        }
        const AnswerHistory reread(path(), AnswerHistory::Mode::ReadOnly);
        QCOMPARE(reread.count(), 3);
        QList<AnswerRecord> rows;
        QVERIFY(reread.forEach([&rows](const AnswerRecord &r) { rows << r; }));
        QCOMPARE(rows[1].source, QString("Keys \"Pro\", port 1"));
        QCOMPARE(rows[1].reactionMs, -1);
        QCOMPARE(rows[2].duringNote, false);
        QCOMPARE(rows[2].replays, 2u);

        QString error;
        const QString csv = dir.filePath("out.csv");
        QVERIFY2(exportHistoryCsv(reread, csv, error), qPrintable(error));
        const QList<QByteArray> lines = TestStore::fileText(csv).split('\n');
        QCOMPARE(lines[0], QByteArray("time_utc,level,question_index,question_note,question_name,answer_note,"
                                      "answer_name,correct,source,reaction_ms,during_note,replays\r"));
        QCOMPARE(lines[1], QByteArray("2026-12-08T12:00:00.000Z,3,0,60,C4,60,C4,1,screen keyboard,850,1,0\r"));
        QCOMPARE(lines[2], QByteArray("2026-12-08T12:00:00.001Z,3,1,60,C4,73,C#5,0,\"Keys \"\"Pro\"\", port 1\",,1,1\r"));

        QVERIFY(!exportHistoryCsv(reread, dir.filePath("no/such/folder/out.csv"), error));
        QVERIFY(error.contains("cannot be written"));
    }

    void aDamagedFileIsSetAsideUnderANameOfItsOwnAndItsRowsRecovered_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<bool>("recoverable");
        QTest::newRow("random bytes") << QByteArray("random") << false;
        QTest::newRow("truncated") << QByteArray("truncated") << true;
        QTest::newRow("a page in the middle") << QByteArray("page") << true;
    }

    void aDamagedFileIsSetAsideUnderANameOfItsOwnAndItsRowsRecovered()
    {
        QFETCH(QByteArray, damage);
        QFETCH(bool, recoverable);
        const unsigned rows = 3000;
        {
            AnswerHistory history(path());
            for (unsigned i = 0; i < rows; ++i)
                QVERIFY(history.append(record(i, i % 2)) > 0);
        }
        if (damage == "random") {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 0; i < 4096; ++i)
                file.putChar(char((i * 7919) % 251));
        } else if (damage == "truncated") {
            QFile file(path());
            QVERIFY(file.resize(file.size() / 3));
        } else {
            damagePage(path(), int(QFileInfo(path()).size() / 4096 / 2));
        }
        const QByteArray damaged = TestStore::fileText(path());

        AnswerHistory history(path());
        // What opening does not meet, the whole-file check after the first
        // frame finds.
        if (!history.problem().contains("set aside")) {
            QVERIFY(!AnswerHistory::fileLooksSound(path()));
            history.damagedFileFound();
        }
        QVERIFY2(history.problem().contains("set aside"), qPrintable(history.problem()));
        const QStringList aside = brokenFiles(dir.path());
        QCOMPARE(aside.size(), 1);
        // Date, time to the millisecond and process: no two starts collide.
        QVERIFY2(QRegularExpression(R"(^history\.sqlite\.broken-\d{8}-\d{6}\.\d{3}-\d+$)").match(aside[0]).hasMatch(),
                 qPrintable(aside[0]));
        QCOMPARE(TestStore::fileText(dir.filePath(aside[0])), damaged);
        QVERIFY(history.append(record(0, true)) > 0);
        QCOMPARE(history.count(), 1);

        // Offered back: every row that can still be read joins the history.
        QCOMPARE(AnswerHistory::setAsideFiles(path()), aside);
        const AnswerHistory::Recovered recovered = AnswerHistory::recoverInto(dir.filePath(aside[0]), path());
        if (!recoverable) {
            QVERIFY(!recovered.problem.isEmpty());
            QCOMPARE(AnswerHistory::setAsideFiles(path()), aside);
            QCOMPARE(history.count(), 1);
            return;
        }
        QVERIFY2(recovered.problem.isEmpty(), qPrintable(recovered.problem));
        QVERIFY(recovered.rows > 0 && recovered.rows <= int(rows));
        QCOMPARE(history.count(), 1 + recovered.rows);
        QVERIFY(AnswerHistory::setAsideFiles(path()).isEmpty());
        QVERIFY(QFileInfo::exists(dir.filePath(aside[0] + ".recovered")));
    }

    // Two instances that both found the file damaged: the second does not
    // set aside the new history the first has just started.
    void aFileAlreadySetAsideByAnotherInstanceIsNotMovedAgain()
    {
        {
            AnswerHistory history(path());
            for (unsigned i = 0; i < 3000; ++i)
                QVERIFY(history.append(record(i, true)) > 0);
        }
        damagePage(path(), int(QFileInfo(path()).size() / 4096 / 2));
        AnswerHistory first(path());
        AnswerHistory second(path());
        if (!first.problem().isEmpty() || !second.problem().isEmpty())
            QSKIP("the damage showed at opening already");
        QVERIFY(!AnswerHistory::fileLooksSound(path()));
        first.damagedFileFound();
        QVERIFY(first.append(record(0, true)) > 0);
        second.damagedFileFound();
        QVERIFY(second.append(record(1, true)) > 0);
        QCOMPARE(AnswerHistory::setAsideFiles(path()).size(), 1);
        QCOMPARE(rowIndexes(path()), QList<unsigned>({0, 1}));
    }

    // A file of the first version gains the course and the audible reaction
    // time: its rows read as the twelve levels' without one, and new rows
    // keep both.
    void aFirstVersionFileIsBroughtUpAndItsRowsReadAsTheLevels()
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "first");
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TABLE answers (id INTEGER PRIMARY KEY, time_utc_ms INTEGER NOT NULL,"
                           " level INTEGER NOT NULL, question_index INTEGER NOT NULL, question_note INTEGER NOT NULL,"
                           " answer_note INTEGER NOT NULL, correct INTEGER NOT NULL, source TEXT NOT NULL,"
                           " reaction_ms INTEGER, during_note INTEGER NOT NULL, replays INTEGER NOT NULL)"));
            QVERIFY(q.exec("CREATE TABLE schema_version (version INTEGER NOT NULL)"));
            QVERIFY(q.exec("INSERT INTO schema_version (version) VALUES (1)"));
            QVERIFY(q.exec("INSERT INTO answers (time_utc_ms, level, question_index, question_note, answer_note,"
                           " correct, source, reaction_ms, during_note, replays)"
                           " VALUES (1796731200000, 2, 0, 60, 62, 0, 'screen keyboard', 900, 1, 0)"));
            db.close();
        }
        QSqlDatabase::removeDatabase("first");
        {
            AnswerHistory history(path());
            QVERIFY(history.recording());
            AnswerRecord adaptive = record(1, true);
            adaptive.course = QStringLiteral("adaptive");
            adaptive.audibleReactionMs = 812;
            QVERIFY(history.append(adaptive) > 0);
        }
        std::vector<AnswerRecord> rows;
        QVERIFY(AnswerHistory(path(), AnswerHistory::Mode::ReadOnly).forEach([&rows](const AnswerRecord &r) {
            rows.push_back(r);
        }));
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0].course, QStringLiteral("levels"));
        QCOMPARE(rows[0].audibleReactionMs, qint64(-1));
        QCOMPARE(rows[0].reactionMs, qint64(900));
        QCOMPARE(rows[1].course, QStringLiteral("adaptive"));
        QCOMPARE(rows[1].audibleReactionMs, qint64(812));
    }

    void aNewerVersionsFileIsLeftByteForByteAndNotRecordedInto()
    {
        {
            AnswerHistory history(path());
            for (unsigned i = 0; i < 20; ++i)
                QVERIFY(history.append(record(i, true)) > 0);
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("UPDATE schema_version SET version = 99"));
            db.close();
        }
        QSqlDatabase::removeDatabase("newer");
        const QByteArray before = TestStore::fileText(path());
        {
            AnswerHistory history(path());
            QVERIFY(!history.recording());
            QVERIFY2(history.problem().contains("newer version"), qPrintable(history.problem()));
            QCOMPARE(history.append(record(20, true)), qint64(0));
            QCOMPARE(history.retry(), qint64(0));
        }
        QCOMPARE(TestStore::fileText(path()), before);
        QVERIFY(brokenFiles(dir.path()).isEmpty());
        // Read-only use (statistics, export) still reads it.
        QCOMPARE(rowIndexes(path()), upTo(20));
    }

    void aFullDiskOrAReadOnlyFileSystemKeepsTheAnswersUntilTheyCanBeWritten_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("disk full") << true;
        QTest::newRow("read-only") << false;
    }

    void aFullDiskOrAReadOnlyFileSystemKeepsTheAnswersUntilTheyCanBeWritten()
    {
        QFETCH(bool, full);
        SmallDisk disk(dir.filePath("disk"), 512);
        if (!disk.isAvailable())
            QSKIP("a small file system needs root here");
        const QString file = disk.path + "/history.sqlite";
        TestStore::freshStore();
        QuestionBank bank;
        StallMeter stalls;
        {
            AnswerHistory earlier(file);
            for (unsigned i = 0; i < 50; ++i)
                QVERIFY(earlier.append(record(i, true)) > 0);
        }
        // A file system with files open for writing cannot become read-only:
        // the program starts on it.
        if (!full)
            QVERIFY(disk.setReadOnly(true));
        {
            AnswerHistory history(file);
            StorageStatus status(bank, history);
            if (full)
                disk.fill();
            giveAnswersThroughAFailure(history, status, 50, 30, full ? "the disk is full" : "read-only", 20, stalls);
            // The earlier rows are all still there.
            QCOMPARE(rowIndexes(file), upTo(50));
            if (full)
                disk.unfill();
            else
                QVERIFY(disk.setReadOnly(false));
            QTRY_VERIFY_WITH_TIMEOUT(history.heldCount() == 0 && status.line().isEmpty(), 5000);
            QCOMPARE(history.append(record(80, true)) > 0, true);
        }
        // Each answer once, in the order given.
        QCOMPARE(rowIndexes(file), upTo(81));
        QVERIFY(brokenFiles(disk.path).isEmpty());
    }

    void aLockHeldByAnotherProgramHoldsTheAnswersWithoutStallingTheWriter()
    {
        TestStore::freshStore();
        QuestionBank bank;
        AnswerHistory history(path());
        StorageStatus status(bank, history);
        for (unsigned i = 0; i < 50; ++i)
            QVERIFY(history.append(record(i, true)) > 0);
        std::atomic<bool> locked{false};
        std::atomic<bool> release{false};
        std::thread holder([this, &locked, &release] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "holder");
                db.setDatabaseName(path());
                db.open();
                QSqlQuery lock(db);
                lock.exec("BEGIN IMMEDIATE");
                locked = true;
                QElapsedTimer held;
                held.start();
                while (!release && held.elapsed() < 10000)
                    QThread::msleep(10);
                lock.exec("COMMIT");
                db.close();
            }
            QSqlDatabase::removeDatabase("holder");
        });
        QTRY_VERIFY(locked);
        StallMeter stalls;
        giveAnswersThroughAFailure(history, status, 50, 19, "another program", 450, stalls);
        const qint64 longest = stalls.longestMs;
        release = true;
        holder.join();
        QCOMPARE(rowIndexes(path()), upTo(50));
        QTRY_VERIFY_WITH_TIMEOUT(history.heldCount() == 0 && status.line().isEmpty(), 5000);
        QCOMPARE(rowIndexes(path()), upTo(69));
        QVERIFY(brokenFiles(dir.path()).isEmpty());
        qInfo("longest stall of the writing thread while locked: %lld ms", longest);
    }

    void aReadOnlyFolderIsReadWithoutWritingIt()
    {
        SmallDisk disk(dir.filePath("disk"), 512);
        if (!disk.isAvailable())
            QSKIP("a read-only file system needs root here");
        const QString file = disk.path + "/history.sqlite";
        {
            AnswerHistory history(file);
            for (unsigned i = 0; i < 30; ++i)
                QVERIFY(history.append(record(i, true)) > 0);
        }
        QVERIFY(disk.setReadOnly(true));
        const AnswerHistory reader(file, AnswerHistory::Mode::ReadOnly);
        QVERIFY2(reader.problem().isEmpty(), qPrintable(reader.problem()));
        QCOMPARE(rowIndexes(file), upTo(30));
        QVERIFY(disk.setReadOnly(false));
    }

    void aPlaceThatCannotBeWrittenLeavesTrainingWithoutHistory()
    {
        // A file where the folder should be stops root as well as a user.
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        AnswerHistory history(dir.filePath("blocker/history.sqlite"));
        QVERIFY(history.problem().contains("cannot"));
        QCOMPARE(history.append(record(0, true)), qint64(0));
        QString error;
        QVERIFY(!exportHistoryCsv(history, dir.filePath("out.csv"), error));
    }
};

ORVELLE_TEST_MAIN(AnswerHistoryTest, QCoreApplication)
#include "test_answer_history.moc"
