#include "history_recovery.h"

#include "answer_history.h"

#include <QFileInfo>

HistoryRecovery::HistoryRecovery(QString historyPath, QObject *parent) : QObject(parent), path(std::move(historyPath))
{
    refresh();
}

HistoryRecovery::~HistoryRecovery()
{
    if (worker.joinable())
        worker.join();
}

void HistoryRecovery::refresh()
{
    const QStringList found = AnswerHistory::setAsideFiles(path);
    if (found == fileNames)
        return;
    fileNames = found;
    emit changed();
}

void HistoryRecovery::recover(const QString &fileName)
{
    // Only a file of the list, by its bare name: nothing else is read.
    if (running || !fileNames.contains(fileName))
        return;
    if (worker.joinable())
        worker.join();
    running = true;
    outcome.clear();
    emit changed();
    const QString aside = QFileInfo(path).absolutePath() + QLatin1Char('/') + fileName;
    worker = std::thread([this, aside] {
        const AnswerHistory::Recovered result = AnswerHistory::recoverInto(aside, path);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                running = false;
                if (!result.problem.isEmpty())
                    outcome = QStringLiteral("Not recovered: %1.").arg(result.problem);
                else if (result.skipped > 0)
                    outcome = QStringLiteral("%1 answers recovered; %2 could not be read.")
                                  .arg(result.rows)
                                  .arg(result.skipped);
                else
                    outcome = QStringLiteral("%1 answers recovered.").arg(result.rows);
                fileNames = AnswerHistory::setAsideFiles(path);
                emit changed();
                if (result.rows > 0)
                    emit recovered(result.rows);
            },
            Qt::QueuedConnection);
    });
}
