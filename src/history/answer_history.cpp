#include "answer_history.h"
#include "pitch_test_recovery.h"

#include <QCoreApplication>
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
#include <QUrl>
#include <QVariant>

#include <sys/stat.h>

#include <algorithm>
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
    // 2: the course of each answer (every earlier one was the twelve
    // levels'), and its reaction time from when the note became audible.
    "ALTER TABLE answers ADD COLUMN course TEXT NOT NULL DEFAULT 'levels';"
    "ALTER TABLE answers ADD COLUMN audible_reaction_ms INTEGER;",
    // 3: pitch tests and their scored trials, apart from training's answers.
    "CREATE TABLE pitch_tests ("
    " id INTEGER PRIMARY KEY,"
    " seed INTEGER NOT NULL,"
    " started_utc_ms INTEGER NOT NULL,"
    " finished_utc_ms INTEGER,"
    " discarded INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE pitch_test_trials ("
    " test_id INTEGER NOT NULL REFERENCES pitch_tests(id),"
    " trial_index INTEGER NOT NULL,"
    " note INTEGER NOT NULL,"
    " timbre TEXT NOT NULL,"
    " level_db INTEGER NOT NULL,"
    " answer_note INTEGER NOT NULL,"
    " reaction_ms INTEGER NOT NULL,"
    " time_utc_ms INTEGER NOT NULL,"
    " source TEXT NOT NULL,"
    " PRIMARY KEY (test_id, trial_index));",
};

const char *const kColumns = "time_utc_ms, level, question_index, question_note, answer_note, correct, source,"
                             " reaction_ms, during_note, replays, course, audible_reaction_ms";
// What a file of the first version holds; its rows read as the levels' with
// no audible reaction time.
const char *const kFirstColumns = "time_utc_ms, level, question_index, question_note, answer_note, correct, source,"
                                  " reaction_ms, during_note, replays, 'levels', NULL";

// SQLite's primary result codes, as the driver reports them.
enum SqliteCode : int {
    kSqlitePerm = 3,
    kSqliteBusy = 5,
    kSqliteLocked = 6,
    kSqliteReadOnly = 8,
    kSqliteCorrupt = 11,
    kSqliteFull = 13,
    kSqliteCantOpen = 14,
    kSqliteNotADatabase = 26,
};

// Recovery commits in slices, so that training, which writes through its
// own connection, waits for none of them for long.
constexpr int kRecoverSlice = 500;
constexpr int kRecoverBusyTimeoutMs = 2000;

QString newConnectionName()
{
    static std::atomic<int> serial{0};
    return QStringLiteral("orvelle-history-%1").arg(++serial);
}

// The device and inode of a file; 0 when it does not exist.
quint64 identityOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return (static_cast<quint64>(info.st_dev) << 40) ^ static_cast<quint64>(info.st_ino);
}

// Unique among instances and within one: the time to the millisecond and
// the process.
QString asideName(const QString &path)
{
    return path + QStringLiteral(".broken-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss.zzz")) + QLatin1Char('-') +
           QString::number(QCoreApplication::applicationPid());
}

void bindRecord(QSqlQuery &query, const AnswerRecord &r)
{
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
    query.addBindValue(r.course);
    query.addBindValue(r.audibleReactionMs >= 0 ? QVariant(r.audibleReactionMs) : QVariant(QVariant::LongLong));
}

// The columns of kColumns from `first` on.
AnswerRecord readRecord(const QSqlQuery &query, int first)
{
    AnswerRecord r;
    r.timeUtcMs = query.value(first).toLongLong();
    r.level = query.value(first + 1).toUInt();
    r.questionIndex = query.value(first + 2).toUInt();
    r.questionNote = query.value(first + 3).toUInt();
    r.answerNote = query.value(first + 4).toUInt();
    r.correct = query.value(first + 5).toInt() != 0;
    r.source = query.value(first + 6).toString();
    r.reactionMs = query.value(first + 7).isNull() ? -1 : query.value(first + 7).toLongLong();
    r.duringNote = query.value(first + 8).toInt() != 0;
    r.replays = query.value(first + 9).toUInt();
    r.course = query.value(first + 10).toString() == QLatin1String("adaptive") ? QStringLiteral("adaptive")
                                                                              : QStringLiteral("levels");
    r.audibleReactionMs = query.value(first + 11).isNull() ? -1 : query.value(first + 11).toLongLong();
    return r;
}

QString insertStatement()
{
    return QStringLiteral("INSERT INTO answers (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(QLatin1String(kColumns));
}

// A connection of its own for the static functions, removed with it.
class ScopedConnection {
public:
    ScopedConnection(const QString &file, const QString &options) : name(newConnectionName())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), name);
        db.setDatabaseName(file);
        db.setConnectOptions(options);
        opened = db.open();
    }
    ~ScopedConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    ScopedConnection(const ScopedConnection &) = delete;
    ScopedConnection &operator=(const ScopedConnection &) = delete;
    bool isOpen() const { return opened; }
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

private:
    QString name;
    bool opened = false;
};

} // namespace

QString AnswerHistory::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history.sqlite");
}

AnswerHistory::Failure AnswerHistory::classify(const QString &nativeCode)
{
    bool isNumber = false;
    const int code = nativeCode.toInt(&isNumber) & 0xff; // extended codes keep the primary one below
    if (!isNumber)
        return Failure::Other;
    switch (code) {
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
        return Failure::Damaged;
    case kSqliteFull:
        return Failure::Full;
    case kSqliteReadOnly:
    case kSqlitePerm:
    case kSqliteCantOpen:
        return Failure::ReadOnly;
    case kSqliteBusy:
    case kSqliteLocked:
        return Failure::Busy;
    default:
        return Failure::Other;
    }
}

AnswerHistory::AnswerHistory(const QString &path, Mode openMode) : filePath(path), mode(openMode)
{
    if (mode == Mode::ReadOnly) {
        if (QFileInfo::exists(filePath) && open(false) != Failure::None)
            report(QCoreApplication::translate("AnswerHistory", "The answer history %1 cannot be read").arg(filePath));
        return;
    }
    // No whole-file check here: it would make the start wait on a long
    // history. SQLite reports damage where it meets it, and the program
    // runs fileLooksSound in the background once the window is up.
    reopen();
}

AnswerHistory::~AnswerHistory()
{
    problemObserver = nullptr;
    // A last try for answers still held at the end.
    if (recording() && !held.empty()) {
        qint64 lastId = 0;
        if (!flushHeld(lastId))
            qWarning("Orvelle: %d answers could not be written to the answer history %s", heldCount(),
                     qUtf8Printable(filePath));
    }
    close();
}

void AnswerHistory::report(const QString &text)
{
    if (text == problemText)
        return;
    problemText = text;
    qWarning("Orvelle: %s", qUtf8Printable(text));
    if (problemObserver)
        problemObserver();
}

void AnswerHistory::clearProblem()
{
    holding = false;
    if (problemText.isEmpty())
        return;
    problemText.clear();
    if (problemObserver)
        problemObserver();
}

void AnswerHistory::holdFor(Failure failure)
{
    // A failure other than a lock may leave the connection unusable; the
    // next attempt opens the file afresh.
    if (failure != Failure::Busy)
        close();
    holding = true;
    switch (failure) {
    case Failure::Full:
        report(QCoreApplication::translate("AnswerHistory", "The history cannot be written: the disk is full. Your answers are kept and will be "
                              "written when space is free."));
        break;
    case Failure::ReadOnly:
        report(QCoreApplication::translate("AnswerHistory", "The history cannot be written: its file or folder is read-only. Your answers are "
                              "kept and will be written when it can be."));
        break;
    case Failure::Busy:
        report(QCoreApplication::translate("AnswerHistory", "The history cannot be written: another program is using it. Your answers are kept "
                              "and will be written when it is free."));
        break;
    default:
        report(QCoreApplication::translate("AnswerHistory", "The history cannot be written just now. Your answers are kept and will be written "
                              "when it can be."));
        break;
    }
}

void AnswerHistory::stopRecording(const QString &text)
{
    close();
    off = true;
    holding = false;
    held.clear();
    report(text);
}

AnswerHistory::Failure AnswerHistory::open(bool create)
{
    const QString name = newConnectionName();
    Failure failure = Failure::None;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), name);
        db.setDatabaseName(filePath);
        // Writes run on the GUI thread: a lock held elsewhere is waited for
        // only briefly, and the answer held for a retry. Readers run on
        // threads of their own and may wait.
        db.setConnectOptions(create ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kWriteBusyTimeoutMs)
                                    : QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            failure = classify(db.lastError().nativeErrorCode());
        if (failure != Failure::None)
            db = QSqlDatabase();
    }
    if (failure != Failure::None) {
        QSqlDatabase::removeDatabase(name);
        return failure == Failure::None ? Failure::Other : failure;
    }
    connection = name;
    fileIdentity = identityOf(filePath);
    if (!create && !readableAsOpened()) {
        // A write-ahead log needs its index file beside the history; in a
        // folder that cannot be written, and with no log left behind, the
        // file alone holds every row and is read as it is.
        close();
        const QString name2 = newConnectionName();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), name2);
            db.setDatabaseName(QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded) +
                               QStringLiteral("?immutable=1"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
            if (!db.open())
                failure = Failure::Other;
        }
        if (failure != Failure::None) {
            QSqlDatabase::removeDatabase(name2);
            return failure;
        }
        connection = name2;
    }
    return Failure::None;
}

// Whether a read-only connection can read the file, or needs to read it
// without the log's index.
bool AnswerHistory::readableAsOpened()
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery probe(db);
    if (probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return true;
    const Failure failure = classify(probe.lastError().nativeErrorCode());
    const bool logUnreachable = failure == Failure::ReadOnly && !QFileInfo::exists(filePath + QStringLiteral("-wal"));
    return !logUnreachable;
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

bool AnswerHistory::reopen()
{
    close();
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!QDir().mkpath(QFileInfo(filePath).absolutePath())) {
            holdFor(Failure::ReadOnly);
            return false;
        }
        const Failure opened = open(true);
        if (opened != Failure::None) {
            holdFor(opened);
            return false;
        }
        const Failure prepared = prepareSchema();
        if (prepared == Failure::None)
            return true;
        if (prepared == Failure::Newer) {
            stopRecording(QCoreApplication::translate("AnswerHistory", "The answer history was written by a newer version of Orvelle; it is left as "
                                         "it is, and this version trains without recording answers."));
            return false;
        }
        close();
        if (prepared != Failure::Damaged) {
            holdFor(prepared);
            return false;
        }
        if (!setAside())
            return false;
    }
    stopRecording(QCoreApplication::translate("AnswerHistory", "The answer history %1 cannot be started; training goes on without recording answers.")
                      .arg(filePath));
    return false;
}

AnswerHistory::Failure AnswerHistory::prepareSchema()
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    const auto failed = [](const QSqlQuery &q) {
        const Failure f = classify(q.lastError().nativeErrorCode());
        return f == Failure::None ? Failure::Other : f;
    };
    // The version is read before anything is written: a newer program's
    // file is not this program's to change, not even its journal mode.
    int version = 0;
    {
        QSqlQuery stored(db);
        if (stored.exec(QStringLiteral("SELECT version FROM schema_version"))) {
            version = stored.next() ? stored.value(0).toInt() : 0;
        } else {
            QSqlQuery tables(db);
            if (!tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                return failed(tables);
            // Readable, without a version table: a new file.
        }
    }
    if (version < 0 || version > kSchemaVersion)
        return Failure::Newer;
    // A write-ahead log with NORMAL synchronisation keeps every committed
    // answer through a crash or a kill of the program, at one write per answer.
    {
        QSqlQuery journal(db);
        if (!journal.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            return failed(journal);
        QSqlQuery sync(db);
        if (!sync.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
            return failed(sync);
    }
    if (version == kSchemaVersion)
        return Failure::None;
    if (!db.transaction()) {
        const Failure f = classify(db.lastError().nativeErrorCode());
        return f == Failure::None ? Failure::Other : f;
    }
    Failure failure = Failure::None;
    QStringList statements = {QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)")};
    for (int step = version; step < kSchemaVersion; ++step)
        statements += QString::fromLatin1(kMigrations[step]).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    statements << QStringLiteral("DELETE FROM schema_version")
               << QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(kSchemaVersion);
    for (const QString &statement : statements) {
        if (statement.trimmed().isEmpty())
            continue;
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            failure = failed(query);
            break;
        }
    }
    if (failure == Failure::None && db.commit())
        return Failure::None;
    if (failure == Failure::None) {
        const Failure f = classify(db.lastError().nativeErrorCode());
        failure = f == Failure::None ? Failure::Other : f;
    }
    db.rollback();
    return failure;
}

bool AnswerHistory::setAside()
{
    close();
    // Another instance may have set the damaged file aside already and
    // started a new one, which is not to be moved in its turn.
    const quint64 current = identityOf(filePath);
    if (current == 0 || (fileIdentity != 0 && current != fileIdentity))
        return true;
    const QString aside = asideName(filePath);
    // Renamed, never deleted: if it cannot be moved, it stays as it is and
    // nothing is recorded rather than written over it.
    if (!QFile::rename(filePath, aside)) {
        stopRecording(QCoreApplication::translate("AnswerHistory", "The answer history %1 is damaged and cannot be set aside; it is kept as it is, "
                                     "and training goes on without recording answers.")
                          .arg(filePath));
        return false;
    }
    // A log left beside a new file would be played into it.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString part = filePath + QLatin1String(suffix);
        if (QFileInfo::exists(part) && !QFile::rename(part, aside + QLatin1String(suffix))) {
            stopRecording(QCoreApplication::translate("AnswerHistory", "The answer history was damaged and set aside as %1, but %2 cannot be moved; "
                                         "training goes on without recording answers.")
                              .arg(QFileInfo(aside).fileName(), part));
            return false;
        }
    }
    fileIdentity = 0;
    holding = false;
    report(QCoreApplication::translate("AnswerHistory", "The answer history was damaged; it was set aside as %1 and a new one started. The "
                          "statistics window can recover its answers.")
               .arg(QFileInfo(aside).fileName()));
    return true;
}

void AnswerHistory::damagedFileFound()
{
    if (!recording())
        return;
    if (setAside())
        reopen();
    retry();
}

bool AnswerHistory::insertRow(const AnswerRecord &r, qint64 &id, Failure &failure)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    query.prepare(insertStatement());
    bindRecord(query, r);
    // Outside a transaction each statement commits on its own.
    if (query.exec()) {
        id = query.lastInsertId().toLongLong();
        return true;
    }
    failure = classify(query.lastError().nativeErrorCode());
    if (failure == Failure::None)
        failure = Failure::Other;
    return false;
}

bool AnswerHistory::flushHeld(qint64 &lastId)
{
    if (!isOpen() && !reopen())
        return false;
    int setAsideCount = 0;
    while (!held.empty()) {
        qint64 id = 0;
        Failure failure = Failure::None;
        if (insertRow(held.front(), id, failure)) {
            held.pop_front();
            lastId = id;
            continue;
        }
        if (failure == Failure::Damaged && setAsideCount++ == 0) {
            // Damaged while the program runs: set aside like a file found
            // damaged at start, and the answers go into the new one.
            if (!setAside() || !reopen())
                return false;
            continue;
        }
        holdFor(failure);
        return false;
    }
    if (holding)
        clearProblem();
    return true;
}

qint64 AnswerHistory::append(const AnswerRecord &record)
{
    if (!recording())
        return 0;
    held.push_back(record);
    qint64 lastId = 0;
    return flushHeld(lastId) ? lastId : 0;
}

qint64 AnswerHistory::retry()
{
    if (!waiting())
        return 0;
    qint64 lastId = 0;
    flushHeld(lastId);
    return lastId;
}

bool AnswerHistory::forEach(const std::function<void(const AnswerRecord &)> &visit) const
{
    return forEachAfter(-1, [&visit](qint64, const AnswerRecord &r) { visit(r); });
}

bool AnswerHistory::forEachAfter(qint64 after, const std::function<void(qint64, const AnswerRecord &)> &visit) const
{
    // A history never written is empty; one that failed to open is unreadable.
    if (!isOpen())
        return mode == Mode::ReadOnly && !QFileInfo::exists(filePath);
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, %1 FROM answers WHERE id > ? ORDER BY id").arg(QLatin1String(kColumns)));
    query.addBindValue(after);
    if (!query.exec())
        return false;
    while (query.next())
        visit(query.value(0).toLongLong(), readRecord(query, 1));
    return query.lastError().type() == QSqlError::NoError;
}

qint64 AnswerHistory::lastRowId() const
{
    if (!isOpen())
        return 0;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT max(id) FROM answers")) && query.next() ? query.value(0).toLongLong() : 0;
}

int AnswerHistory::count() const
{
    if (!isOpen())
        return 0;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT count(*) FROM answers")) && query.next() ? query.value(0).toInt() : 0;
}

bool AnswerHistory::fileLooksSound(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    const ScopedConnection check(path, QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!check.isOpen())
        return true; // not reachable is not damaged
    QSqlQuery query(check.db());
    if (query.exec(QStringLiteral("PRAGMA quick_check")))
        return !query.next() || query.value(0).toString() == QLatin1String("ok");
    return classify(query.lastError().nativeErrorCode()) != Failure::Damaged;
}

QStringList AnswerHistory::setAsideFiles(const QString &historyPath)
{
    const QFileInfo history(historyPath);
    QStringList files;
    const QStringList found = QDir(history.absolutePath())
                                  .entryList({history.fileName() + QStringLiteral(".broken-*")}, QDir::Files,
                                             QDir::Time);
    for (const QString &name : found) {
        if (!name.endsWith(QLatin1String("-wal")) && !name.endsWith(QLatin1String("-shm")) &&
            !name.endsWith(QLatin1String(".recovered")))
            files << name;
    }
    return files;
}

AnswerHistory::Recovered AnswerHistory::recoverInto(const QString &aside, const QString &historyPath)
{
    Recovered result;
    const ScopedConnection source(aside, QStringLiteral("QSQLITE_OPEN_READONLY"));
    const ScopedConnection target(historyPath, QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kRecoverBusyTimeoutMs));
    if (!source.isOpen() || !target.isOpen()) {
        result.problem = QCoreApplication::translate("AnswerHistory", "%1 cannot be opened").arg(QFileInfo(source.isOpen() ? historyPath : aside).fileName());
        return result;
    }
    // A file shorter than its header says is refused outright unless the
    // schema is taken as it is; no write follows on this connection.
    QSqlQuery(source.db()).exec(QStringLiteral("PRAGMA writable_schema=ON"));
    // The row ids that can be reached, from either end: a damaged page in
    // the middle hides only the rows on it.
    QVector<qint64> ids;
    for (const char *order : {"ASC", "DESC"}) {
        QSqlQuery scan(source.db());
        scan.setForwardOnly(true);
        if (!scan.exec(QStringLiteral("SELECT id FROM answers ORDER BY id %1").arg(QLatin1String(order))))
            continue;
        while (scan.next())
            ids << scan.value(0).toLongLong();
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    if (ids.isEmpty()) {
        QSqlQuery any(source.db());
        if (!any.exec(QStringLiteral("SELECT count(*) FROM answers"))) {
            result.problem = QCoreApplication::translate("AnswerHistory", "%1 cannot be read at all").arg(QFileInfo(aside).fileName());
            return result;
        }
    }
    // A file set aside before the course column came has the first columns.
    QSqlQuery courseColumn(source.db());
    const bool hasCourse = courseColumn.exec(QStringLiteral("SELECT course FROM answers LIMIT 1"));
    const char *const columns = hasCourse ? kColumns : kFirstColumns;
    QSqlDatabase out = target.db();
    int inSlice = 0;
    for (const qint64 id : ids) {
        QSqlQuery row(source.db());
        row.prepare(QStringLiteral("SELECT %1 FROM answers WHERE id = ?").arg(QLatin1String(columns)));
        row.addBindValue(id);
        if (!row.exec() || !row.next()) {
            ++result.skipped;
            continue;
        }
        if (inSlice == 0 && !out.transaction()) {
            result.problem = QCoreApplication::translate("AnswerHistory", "the history cannot be written: %1").arg(out.lastError().text());
            return result;
        }
        QSqlQuery insert(out);
        insert.prepare(insertStatement());
        bindRecord(insert, readRecord(row, 0));
        if (!insert.exec()) {
            result.problem = QCoreApplication::translate("AnswerHistory", "the history cannot be written: %1").arg(insert.lastError().text());
            out.rollback();
            result.rows -= inSlice;
            return result;
        }
        ++result.rows;
        if (++inSlice == kRecoverSlice) {
            inSlice = 0;
            if (!out.commit()) {
                result.problem = QCoreApplication::translate("AnswerHistory", "the history cannot be written: %1").arg(out.lastError().text());
                out.rollback();
                result.rows -= kRecoverSlice;
                return result;
            }
        }
    }
    if (inSlice > 0 && !out.commit()) {
        result.problem = QCoreApplication::translate("AnswerHistory", "the history cannot be written: %1").arg(out.lastError().text());
        out.rollback();
        result.rows -= inSlice;
        return result;
    }
    const PitchTestsRecovered tests = recoverFinishedPitchTests(source.db(), out);
    result.pitchTests = tests.tests;
    if (!tests.problem.isEmpty()) {
        result.problem = tests.problem;
        return result;
    }
    // Taken in: not offered again, and still kept.
    for (const char *suffix : {"", "-wal", "-shm"}) {
        const QString part = aside + QLatin1String(suffix);
        if (QFileInfo::exists(part))
            QFile::rename(part, aside + QStringLiteral(".recovered") + QLatin1String(suffix));
    }
    return result;
}
