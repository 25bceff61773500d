#include "test_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace PitchTest {

namespace {

QString newConnectionName()
{
    static std::atomic<int> serial {0};
    return QStringLiteral("orvelle-pitch-tests-%1").arg(++serial);
}

std::optional<Timbre> TimbreFromName(const QString &name)
{
    if (name == QLatin1String("piano"))
        return Timbre::Piano;
    if (name == QLatin1String("pure tone"))
        return Timbre::PureTone;
    return std::nullopt;
}

} // namespace

QString TimbreName(Timbre timbre)
{
    return timbre == Timbre::Piano ? QStringLiteral("piano") : QStringLiteral("pure tone");
}

TestStore::TestStore(const QString &historyPath, int knownSchemaVersion) : connection(newConnectionName())
{
    if (!QFileInfo::exists(historyPath)) {
        problemText =
            QCoreApplication::translate("PitchTest", "Pitch tests cannot be kept: there is no answer history.");
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(historyPath);
    // Short waits only: this runs on the window's thread.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5"));
    if (!db.open()) {
        problemText = QCoreApplication::translate("PitchTest",
                                                  "Pitch tests cannot be kept: the answer history cannot be opened.");
        return;
    }
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("SELECT version FROM schema_version")) || !version.next()) {
        damaged(QCoreApplication::translate("PitchTest", "no version"));
        return;
    }
    const int stored = version.value(0).toInt();
    if (stored > knownSchemaVersion) {
        problemText = QCoreApplication::translate(
            "PitchTest", "Pitch tests are not kept: the answer history comes from a newer version of the program.");
        return;
    }
    QSqlQuery tables(db);
    if (!tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                                    " AND name IN ('pitch_tests', 'pitch_test_trials')"))
        || !tables.next() || tables.value(0).toInt() != 2) {
        // An older program's file has no tests yet (the history adds the
        // tables when it opens it); a current one without them is damaged.
        if (stored == knownSchemaVersion)
            damaged(QCoreApplication::translate("PitchTest", "tables missing"));
        return;
    }
    ok = true;
}

TestStore::~TestStore()
{
    if (ok)
        flush();
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

void TestStore::damaged(const QString &detail)
{
    problemText =
        QCoreApplication::translate(
            "PitchTest", "The pitch tests in the answer history cannot be read (%1); training is not affected.")
            .arg(detail);
}

qint64 TestStore::begin(quint64 seed, qint64 startedUtcMs)
{
    if (!ok || !flush())
        return 0;
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.prepare(QStringLiteral("INSERT INTO pitch_tests (seed, started_utc_ms) VALUES (?, ?)"));
    q.addBindValue(static_cast<qint64>(seed));
    q.addBindValue(startedUtcMs);
    if (!q.exec())
        return 0;
    return q.lastInsertId().toLongLong();
}

bool TestStore::addTrial(const StoredTrial &trial)
{
    held.push_back({Write::Kind::Trial, trial, trial.testId, trial.timeUtcMs});
    return flush();
}

bool TestStore::finish(qint64 testId, qint64 finishedUtcMs)
{
    held.push_back({Write::Kind::Finish, {}, testId, finishedUtcMs});
    return flush();
}

bool TestStore::discard(qint64 testId)
{
    held.push_back({Write::Kind::Discard, {}, testId, 0});
    return flush();
}

bool TestStore::flush()
{
    while (ok && !held.empty()) {
        if (!apply(held.front()))
            return false;
        held.pop_front();
    }
    return ok;
}

bool TestStore::apply(const Write &w)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    switch (w.kind) {
    case Write::Kind::Trial: {
        const StoredTrial &t = w.trial;
        // A trial kept once already (a write retried after it went in) stays as it is.
        q.prepare(QStringLiteral("INSERT OR IGNORE INTO pitch_test_trials (test_id, trial_index, note, timbre, level_db,"
                                 " answer_note, reaction_ms, time_utc_ms, source) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        q.addBindValue(t.testId);
        q.addBindValue(t.index);
        q.addBindValue(t.trial.note);
        q.addBindValue(TimbreName(t.trial.timbre));
        q.addBindValue(t.trial.levelDecibels);
        q.addBindValue(t.answer.answerNote);
        q.addBindValue(t.answer.reactionMs);
        q.addBindValue(t.timeUtcMs);
        q.addBindValue(t.source);
        break;
    }
    case Write::Kind::Finish:
        q.prepare(QStringLiteral("UPDATE pitch_tests SET finished_utc_ms = ? WHERE id = ?"));
        q.addBindValue(w.timeUtcMs);
        q.addBindValue(w.testId);
        break;
    case Write::Kind::Discard:
        q.prepare(QStringLiteral("UPDATE pitch_tests SET discarded = 1 WHERE id = ?"));
        q.addBindValue(w.testId);
        break;
    }
    return q.exec();
}

std::vector<TrialAnswer> TestStore::answersOf(qint64 testId, quint64 seed, bool *sound)
{
    *sound = true;
    std::vector<TrialAnswer> answers;
    const TestPlan plan = GeneratePlan(seed);
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.prepare(QStringLiteral("SELECT trial_index, note, timbre, answer_note, reaction_ms FROM pitch_test_trials"
                             " WHERE test_id = ? ORDER BY trial_index"));
    q.addBindValue(testId);
    if (!q.exec()) {
        *sound = false;
        return {};
    }
    while (q.next()) {
        const int index = q.value(0).toInt();
        const auto timbre = TimbreFromName(q.value(2).toString());
        const int answer = q.value(3).toInt();
        // The rows must be the seed's trials, in order, with keys a keyboard has.
        if (index != static_cast<int>(answers.size()) || index >= kScoredTrials
            || plan.scored[static_cast<std::size_t>(index)].note != q.value(1).toInt() || !timbre
            || plan.scored[static_cast<std::size_t>(index)].timbre != *timbre || answer < 0 || answer > 127) {
            *sound = false;
            return {};
        }
        answers.push_back({answer, std::max<qint64>(0, q.value(4).toLongLong())});
    }
    return answers;
}

std::optional<UnfinishedTest> TestStore::unfinished()
{
    if (!ok || !flush())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (!q.exec(QStringLiteral("SELECT id, seed, started_utc_ms FROM pitch_tests"
                               " WHERE finished_utc_ms IS NULL AND discarded = 0 ORDER BY id DESC LIMIT 1"))) {
        damaged(QCoreApplication::translate("PitchTest", "tests"));
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    UnfinishedTest test;
    test.id = q.value(0).toLongLong();
    test.seed = static_cast<quint64>(q.value(1).toLongLong());
    test.startedUtcMs = q.value(2).toLongLong();
    bool sound = false;
    test.answers = answersOf(test.id, test.seed, &sound);
    if (!sound) {
        damaged(QCoreApplication::translate("PitchTest", "test %1").arg(test.id));
        return std::nullopt;
    }
    return test;
}

std::vector<FinishedTest> TestStore::finished()
{
    std::vector<FinishedTest> tests;
    if (!ok)
        return tests;
    flush();
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (!q.exec(QStringLiteral("SELECT id, seed, finished_utc_ms FROM pitch_tests"
                               " WHERE finished_utc_ms IS NOT NULL AND discarded = 0 ORDER BY finished_utc_ms, id"))) {
        damaged(QCoreApplication::translate("PitchTest", "tests"));
        return tests;
    }
    while (q.next()) {
        FinishedTest test;
        test.id = q.value(0).toLongLong();
        test.seed = static_cast<quint64>(q.value(1).toLongLong());
        test.finishedAt = QDateTime::fromMSecsSinceEpoch(q.value(2).toLongLong(), Qt::UTC);
        bool sound = false;
        const std::vector<TrialAnswer> answers = answersOf(test.id, test.seed, &sound);
        // A finished test lacking trials is not scored as if it were whole.
        if (!sound || static_cast<int>(answers.size()) != kScoredTrials) {
            damaged(QCoreApplication::translate("PitchTest", "test %1").arg(test.id));
            continue;
        }
        const TestPlan plan = GeneratePlan(test.seed);
        std::vector<AnsweredTrial> trials;
        for (std::size_t i = 0; i < answers.size(); ++i)
            trials.push_back({plan.scored[i], answers[i]});
        test.report = Score(trials);
        tests.push_back(test);
    }
    return tests;
}

bool TestStore::forEachTrial(const std::function<void(const StoredTrial &)> &visit)
{
    if (!ok)
        return false;
    flush();
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (!q.exec(QStringLiteral("SELECT t.test_id, t.trial_index, t.note, t.timbre, t.level_db, t.answer_note,"
                               " t.reaction_ms, t.time_utc_ms, t.source, p.finished_utc_ms FROM pitch_test_trials t"
                               " JOIN pitch_tests p ON p.id = t.test_id WHERE p.discarded = 0"
                               " ORDER BY t.test_id, t.trial_index")))
        return false;
    while (q.next()) {
        StoredTrial t;
        t.testId = q.value(0).toLongLong();
        t.index = q.value(1).toInt();
        t.trial.note = q.value(2).toInt();
        t.trial.timbre = TimbreFromName(q.value(3).toString()).value_or(Timbre::Piano);
        t.trial.levelDecibels = q.value(4).toInt();
        t.answer.answerNote = q.value(5).toInt();
        t.answer.reactionMs = q.value(6).toLongLong();
        t.timeUtcMs = q.value(7).toLongLong();
        t.source = q.value(8).toString();
        t.testFinishedUtcMs = q.value(9).isNull() ? 0 : q.value(9).toLongLong();
        visit(t);
    }
    return true;
}

} // namespace PitchTest
