#include "answer_history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextStream>
#include <QVariant>

#include <atomic>

namespace {

const char *const kDriver = "QSQLITE";

// Each step brings a file from the version before it to its own; a file is
// brought up step by step from the version it holds.
const char *const kMigrations[AnswerHistory::kSchemaVersion] = {
    // 1: the first history.
    "CREATE TABLE answers ("
    " id INTEGER PRIMARY KEY,"
    " time_utc_ms INTEGER NOT NULL,"
    " level INTEGER NOT NULL,"
    " question_index INTEGER NOT NULL,"
    " question_note INTEGER NOT NULL,"
    " answer_note INTEGER NOT NULL,"
    " correct INTEGER NOT NULL,"
    " source TEXT NOT NULL,"
    " reaction_ms INTEGER,"
    " during_note INTEGER NOT NULL,"
    " replays INTEGER NOT NULL);"
    "CREATE INDEX answers_by_time ON answers(time_utc_ms);",
};

QString newConnectionName()
{
    static std::atomic<int> serial{0};
    return QStringLiteral("orvelle-history-%1").arg(++serial);
}

bool run(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    return query.exec(statement);
}

// A migration may hold several statements; the driver runs one at a time.
bool runAll(QSqlDatabase &db, const QString &statements)
{
    for (const QString &statement : statements.split(';', Qt::SkipEmptyParts)) {
        if (!statement.trimmed().isEmpty() && !run(db, statement))
            return false;
    }
    return true;
}

} // namespace

QString AnswerHistory::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history.sqlite");
}

AnswerHistory::AnswerHistory(const QString &path, Mode openMode) : filePath(path), mode(openMode)
{
    if (mode == Mode::ReadOnly) {
        if (QFileInfo::exists(filePath) && !open(false))
            report(QStringLiteral("The answer history %1 cannot be read").arg(filePath));
        return;
    }
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath())) {
        report(QStringLiteral("The answer history cannot be kept: %1 cannot be created; training goes on without it")
                   .arg(QFileInfo(filePath).absolutePath()));
        return;
    }
    const bool existed = QFileInfo::exists(filePath);
    if (open(true) && isReadable() && prepareSchema())
        return;
    close();
    if (!existed || !QFileInfo(QFileInfo(filePath).absolutePath()).isWritable()) {
        report(QStringLiteral("The answer history %1 cannot be written; training goes on without it").arg(filePath));
        return;
    }
    // What cannot be read is kept for whoever wants to look at it; the user
    // trains on with a new history.
    setAside();
    if (open(true) && prepareSchema())
        return;
    close();
    report(QStringLiteral("The answer history %1 cannot be written; training goes on without it").arg(filePath));
}

AnswerHistory::~AnswerHistory()
{
    close();
}

void AnswerHistory::report(const QString &text)
{
    problemText = text;
    qWarning("Orvelle: %s", qUtf8Printable(text));
}

bool AnswerHistory::open(bool create)
{
    const QString name = newConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), name);
        db.setDatabaseName(filePath);
        if (!create)
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return false;
        }
    }
    connection = name;
    return true;
}

void AnswerHistory::close()
{
    if (connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    connection.clear();
}

// A damaged file opens without complaint; reading its pages tells.
bool AnswerHistory::isReadable()
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery check(db);
    return check.exec(QStringLiteral("PRAGMA quick_check")) && check.next() &&
           check.value(0).toString() == QLatin1String("ok");
}

bool AnswerHistory::prepareSchema()
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    // A write-ahead log with NORMAL synchronisation keeps every committed
    // answer through a crash or a kill of the program, at one write per answer.
    if (!run(db, QStringLiteral("PRAGMA journal_mode=WAL")) || !run(db, QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;
    if (!run(db, QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)")))
        return false;
    QSqlQuery stored(db);
    if (!stored.exec(QStringLiteral("SELECT version FROM schema_version")))
        return false;
    const bool hasVersion = stored.next();
    const int version = hasVersion ? stored.value(0).toInt() : 0;
    stored.finish();
    // A newer program's history is not this program's to change.
    if (version < 0 || version > kSchemaVersion)
        return false;
    if (version == kSchemaVersion)
        return true;
    if (!db.transaction())
        return false;
    bool ok = true;
    for (int step = version; ok && step < kSchemaVersion; ++step)
        ok = runAll(db, QString::fromLatin1(kMigrations[step]));
    ok = ok && run(db, QStringLiteral("DELETE FROM schema_version")) &&
         run(db, QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(kSchemaVersion));
    if (ok)
        return db.commit();
    db.rollback();
    return false;
}

void AnswerHistory::setAside()
{
    const QString aside =
        filePath + QStringLiteral(".broken-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const bool moved = QFile::rename(filePath, aside);
    // The log and index of a file set aside belong to it, not to the new one.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString part = filePath + QLatin1String(suffix);
        if (QFileInfo::exists(part) && !(moved && QFile::rename(part, aside + QLatin1String(suffix))))
            QFile::remove(part);
    }
    if (!moved)
        QFile::remove(filePath);
    report(moved ? QStringLiteral("The answer history could not be read; it was set aside as %1 and a new one started")
                       .arg(QFileInfo(aside).fileName())
                 : QStringLiteral("The answer history could not be read; a new one was started"));
}

bool AnswerHistory::insert(const AnswerRecord &r)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO answers (time_utc_ms, level, question_index, question_note, answer_note, correct, source,"
        " reaction_ms, during_note, replays) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(r.timeUtcMs);
    query.addBindValue(r.level);
    query.addBindValue(r.questionIndex);
    query.addBindValue(r.questionNote);
    query.addBindValue(r.answerNote);
    query.addBindValue(r.correct ? 1 : 0);
    query.addBindValue(r.source);
    query.addBindValue(r.reactionMs >= 0 ? QVariant(r.reactionMs) : QVariant(QVariant::LongLong));
    query.addBindValue(r.duringNote ? 1 : 0);
    query.addBindValue(r.replays);
    // Outside a transaction each statement commits on its own.
    return query.exec();
}

bool AnswerHistory::append(const AnswerRecord &record)
{
    if (!isOpen() || mode == Mode::ReadOnly)
        return false;
    if (insert(record))
        return true;
    // A file damaged while the program runs is set aside like one found
    // damaged at start, and the answer goes into the new one.
    close();
    setAside();
    if (open(true) && prepareSchema() && insert(record))
        return true;
    close();
    report(QStringLiteral("The answer history %1 cannot be written; training goes on without it").arg(filePath));
    return false;
}

bool AnswerHistory::forEach(const std::function<void(const AnswerRecord &)> &visit) const
{
    // A history never written is empty; one that failed to open is unreadable.
    if (!isOpen())
        return mode == Mode::ReadOnly && !QFileInfo::exists(filePath);
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT time_utc_ms, level, question_index, question_note, answer_note, correct, source, reaction_ms,"
            " during_note, replays FROM answers ORDER BY id")))
        return false;
    AnswerRecord r;
    while (query.next()) {
        r.timeUtcMs = query.value(0).toLongLong();
        r.level = query.value(1).toUInt();
        r.questionIndex = query.value(2).toUInt();
        r.questionNote = query.value(3).toUInt();
        r.answerNote = query.value(4).toUInt();
        r.correct = query.value(5).toInt() != 0;
        r.source = query.value(6).toString();
        r.reactionMs = query.value(7).isNull() ? -1 : query.value(7).toLongLong();
        r.duringNote = query.value(8).toInt() != 0;
        r.replays = query.value(9).toUInt();
        visit(r);
    }
    return query.lastError().type() == QSqlError::NoError;
}

int AnswerHistory::count() const
{
    if (!isOpen())
        return 0;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT count(*) FROM answers")) && query.next() ? query.value(0).toInt() : 0;
}
