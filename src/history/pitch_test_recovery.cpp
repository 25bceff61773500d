#include "pitch_test_recovery.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <vector>

namespace {

const char kTrialColumns[] = "trial_index, note, timbre, level_db, answer_note, reaction_ms, time_utc_ms, source";
constexpr int kTrialColumnCount = 8;

struct FinishedTestRow {
    qint64 id = 0;
    qint64 seed = 0;
    qint64 started = 0;
    qint64 finished = 0;
};

using TrialRow = std::vector<QVariant>;

std::vector<FinishedTestRow> finishedTests(QSqlDatabase source)
{
    std::vector<FinishedTestRow> tests;
    QSqlQuery query(source);
    query.setForwardOnly(true);
    // A history from before the pitch test has no such table: nothing to copy.
    if (!query.exec(QStringLiteral("SELECT id, seed, started_utc_ms, finished_utc_ms FROM pitch_tests"
                                   " WHERE finished_utc_ms IS NOT NULL AND discarded = 0 ORDER BY id")))
        return tests;
    while (query.next())
        tests.push_back({query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toLongLong(),
                         query.value(3).toLongLong()});
    return tests;
}

// All of a test's trials, or false when any of them cannot be read.
bool readTrials(QSqlDatabase source, qint64 testId, std::vector<TrialRow> &trials)
{
    QSqlQuery query(source);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM pitch_test_trials WHERE test_id = ? ORDER BY trial_index")
                      .arg(QLatin1String(kTrialColumns)));
    query.addBindValue(testId);
    if (!query.exec())
        return false;
    while (query.next()) {
        TrialRow row;
        for (int i = 0; i < kTrialColumnCount; ++i)
            row.push_back(query.value(i));
        trials.push_back(std::move(row));
    }
    return query.lastError().type() == QSqlError::NoError && !trials.empty();
}

bool alreadyHeld(QSqlDatabase target, const FinishedTestRow &test)
{
    QSqlQuery query(target);
    query.prepare(QStringLiteral("SELECT 1 FROM pitch_tests WHERE seed = ? AND started_utc_ms = ?"));
    query.addBindValue(test.seed);
    query.addBindValue(test.started);
    return query.exec() && query.next();
}

// Empty when the test and its trials went in together.
QString writeTest(QSqlDatabase target, const FinishedTestRow &test, const std::vector<TrialRow> &trials)
{
    if (!target.transaction())
        return target.lastError().text();
    const auto failed = [&target](const QSqlQuery &query) {
        const QString problem = query.lastError().text();
        target.rollback();
        return problem;
    };
    QSqlQuery insert(target);
    insert.prepare(QStringLiteral("INSERT INTO pitch_tests (seed, started_utc_ms, finished_utc_ms, discarded)"
                                  " VALUES (?, ?, ?, 0)"));
    insert.addBindValue(test.seed);
    insert.addBindValue(test.started);
    insert.addBindValue(test.finished);
    if (!insert.exec())
        return failed(insert);
    const qint64 id = insert.lastInsertId().toLongLong();
    for (const TrialRow &row : trials) {
        QSqlQuery trial(target);
        trial.prepare(QStringLiteral("INSERT INTO pitch_test_trials (test_id, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                          .arg(QLatin1String(kTrialColumns)));
        trial.addBindValue(id);
        for (const QVariant &value : row)
            trial.addBindValue(value);
        if (!trial.exec())
            return failed(trial);
    }
    if (target.commit())
        return QString();
    const QString problem = target.lastError().text();
    target.rollback();
    return problem;
}

} // namespace

PitchTestsRecovered recoverFinishedPitchTests(QSqlDatabase source, QSqlDatabase target)
{
    PitchTestsRecovered result;
    for (const FinishedTestRow &test : finishedTests(source)) {
        std::vector<TrialRow> trials;
        if (!readTrials(source, test.id, trials)) {
            ++result.skipped;
            continue;
        }
        if (alreadyHeld(target, test))
            continue;
        const QString problem = writeTest(target, test, trials);
        if (!problem.isEmpty()) {
            result.problem =
                QCoreApplication::translate("AnswerHistory", "the history cannot be written: %1").arg(problem);
            return result;
        }
        ++result.tests;
    }
    return result;
}
