#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <thread>

class AnswerHistory;
class QuestionBank;

// Keeps the answer history and the settings store written: whatever could
// not be written (disk full, read-only, locked) is tried again every second
// until it goes through, and line() says what is going on in one line for
// the window. Also checks the whole history file once, in the background,
// after the window is up. Lives on the GUI thread.
class StorageStatus : public QObject {
    Q_OBJECT
public:
    static constexpr int kRetryIntervalMs = 1000;

    StorageStatus(QuestionBank &bank, AnswerHistory &history, QObject *parent = nullptr);
    ~StorageStatus() override;

    QString line() const;
    // Starts the whole-file check of the history on a thread of its own; a
    // damaged file is then set aside on the GUI thread.
    void checkHistoryInBackground();
    // Tries the waiting writes now.
    void retry();

signals:
    void lineChanged();
    // The whole-file check is done.
    void historyChecked(bool sound);

private:
    void problemChanged();
    void updateTimer();

    QuestionBank &bank;
    AnswerHistory &history;
    QTimer retryTimer;
    std::thread checker;
};

// At start: answers the history holds and the store lacks (the program
// ended between the two writes) are given to the store, in order, as long
// as each is the stored session's next question. Returns how many.
int takeInMissingAnswers(QuestionBank &bank, const AnswerHistory &history);
