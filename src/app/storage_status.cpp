#include "storage_status.h"

#include "question_bank.h"

#include <answer_history.h>

#include <utility>
#include <vector>


StorageStatus::StorageStatus(QuestionBank &bank, AnswerHistory &history, QObject *parent)
    : QObject(parent), bank(bank), history(history)
{
    retryTimer.setInterval(kRetryIntervalMs);
    connect(&retryTimer, &QTimer::timeout, this, &StorageStatus::retry);
    bank.setProblemObserver([this] { problemChanged(); });
    history.setProblemObserver([this] { problemChanged(); });
    updateTimer();
}

StorageStatus::~StorageStatus()
{
    bank.setProblemObserver({});
    history.setProblemObserver({});
    if (checker.joinable())
        checker.join();
}

QString StorageStatus::line() const
{
    const QString &historyLine = history.problem();
    const QString &storeLine = bank.storeProblem();
    if (historyLine.isEmpty() || storeLine.isEmpty())
        return historyLine + storeLine;
    return historyLine + QLatin1Char(' ') + storeLine;
}

void StorageStatus::problemChanged()
{
    updateTimer();
    emit lineChanged();
}

void StorageStatus::updateTimer()
{
    const bool waiting = history.waiting() || (bank.storing() && !bank.storeProblem().isEmpty());
    if (waiting && !retryTimer.isActive())
        retryTimer.start();
    else if (!waiting)
        retryTimer.stop();
}

void StorageStatus::retry()
{
    // The history first: the store then takes in the rows just written.
    const qint64 written = history.retry();
    if (written > 0 && written > bank.lastHistoryRow) {
        bank.lastHistoryRow = written;
        bank.save();
    } else {
        bank.retrySave();
    }
    updateTimer();
}

void StorageStatus::checkHistoryInBackground()
{
    if (checker.joinable() || !history.recording())
        return;
    const QString path = history.path();
    checker = std::thread([this, path] {
        const bool sound = AnswerHistory::fileLooksSound(path);
        // Back on the GUI thread; the object outlives the thread (joined above).
        QMetaObject::invokeMethod(
            this,
            [this, sound] {
                if (!sound)
                    history.damagedFileFound();
                emit historyChecked(sound);
            },
            Qt::QueuedConnection);
    });
}

int takeInMissingAnswers(QuestionBank &bank, const AnswerHistory &history)
{
    if (!history.isOpen())
        return 0;
    if (bank.lastHistoryRow < 0) {
        // A store of an earlier version: the rows so far are its own.
        bank.lastHistoryRow = history.lastRowId();
        bank.save();
        return 0;
    }
    std::vector<std::pair<qint64, AnswerRecord>> rows;
    history.forEachAfter(bank.lastHistoryRow, [&rows](qint64 id, const AnswerRecord &r) { rows.emplace_back(id, r); });
    int taken = 0;
    for (const auto &[id, r] : rows) {
        // A row the store already counted (its own write went through and
        // only the row id was not stored) is not the next question.
        const bool isNext = r.course == QLatin1String("levels") && r.level == bank.maturityLevel &&
                            bank.currentQuestion < bank.questions.size() &&
                            r.questionIndex == bank.currentQuestion &&
                            r.questionNote == bank.questions[bank.currentQuestion];
        if (!isNext)
            break;
        const qint64 row = id;
        const ScoredAnswer scored = bank.answer(r.answerNote, [row](const ScoredAnswer &) { return row; });
        // As after the feedback pause: the next question is the one asked.
        if (!scored.sessionFinished)
            ++bank.currentQuestion;
        ++taken;
    }
    return taken;
}
