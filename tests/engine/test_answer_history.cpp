// The answer history on real SQLite files: what is written is read back
// and exported as it was given, and a file that cannot be read never stops
// training: it is set aside and a new history started.

#include "answer_history.h"
#include "history_export.h"
#include "test_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

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

    void anUnreadableFileIsSetAsideAndANewOneStarted_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("random bytes") << QByteArray("random");
        QTest::newRow("truncated") << QByteArray("truncated");
        QTest::newRow("newer schema") << QByteArray("newer");
    }

    void anUnreadableFileIsSetAsideAndANewOneStarted()
    {
        QFETCH(QByteArray, damage);
        {
            AnswerHistory history(path());
            for (unsigned i = 0; i < 300; ++i)
                QVERIFY(history.append(record(i, i % 2)));
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
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("UPDATE schema_version SET version = 99"));
            db.close();
        }
        QSqlDatabase::removeDatabase("newer");

        AnswerHistory history(path());
        QVERIFY2(history.problem().contains("set aside"), qPrintable(history.problem()));
        QCOMPARE(brokenFiles(dir.path()).size(), 1);
        QCOMPARE(history.count(), 0);
        QVERIFY(history.append(record(0, true)));
        QCOMPARE(history.count(), 1);
    }

    void aPlaceThatCannotBeWrittenLeavesTrainingWithoutHistory()
    {
        // A file where the folder should be stops root as well as a user.
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        AnswerHistory history(dir.filePath("blocker/history.sqlite"));
        QVERIFY(history.problem().contains("cannot"));
        QVERIFY(!history.append(record(0, true)));
        QString error;
        QVERIFY(!exportHistoryCsv(history, dir.filePath("out.csv"), error));
    }
};

QTEST_GUILESS_MAIN(AnswerHistoryTest)
#include "test_answer_history.moc"
