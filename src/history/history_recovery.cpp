#include "history_recovery.h"

#include <QCoreApplication>

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
                    outcome = QCoreApplication::translate("HistoryRecovery", "Not recovered: %1.").arg(result.problem);
                else if (result.skipped > 0)
                    outcome = QCoreApplication::translate("HistoryRecovery", "%n answers recovered; %1 could not be read.",
                                                          "", result.rows)
                                  .arg(result.skipped);
                else
                    outcome = QCoreApplication::translate("HistoryRecovery", "%n answers recovered.", "", result.rows);
                if (result.problem.isEmpty() && result.pitchTests > 0)
                    outcome += QLatin1Char('\n') + QCoreApplication::translate("HistoryRecovery", "%n finished pitch tests recovered.",
                                                                                "", result.pitchTests);
                fileNames = AnswerHistory::setAsideFiles(path);
                emit changed();
                if (result.rows > 0 || result.pitchTests > 0)
                    emit recovered(result.rows);
            },
            Qt::QueuedConnection);
    });
}
