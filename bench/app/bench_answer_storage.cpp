// What keeping an answer costs: the time from an answer's arrival (a key of
// the on-screen keyboard) to the settings store and the answer history both
// holding it on disk, over 500 answers; and the history's size per 10,000
// answers; opening a history of 100,000 answers at start and checking it
// whole in the background; and the longest time the GUI thread stalls while
// another program holds the history's write lock for 10 s and answers keep
// coming. Runs in a temporary folder; prints figures, asserts nothing.

#include "../core/bench_stats.h"
#include "no_window.h"

#include "answer_history.h"
#include "question_bank.h"
#include "storage_status.h"
#include "training_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

qint64 historySize(const QString &path)
{
    qint64 size = 0;
    for (const char *suffix : {"", "-wal", "-shm"})
        size += QFileInfo(path + QLatin1String(suffix)).size();
    return size;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Brandmoor");
    QCoreApplication::setApplicationName("Orvelle");

    QuestionBank bank;
    bank.setLevel(12);
    const QString historyPath = home.filePath("history.sqlite");
    AnswerHistory history(historyPath);
    NoKeyboard keyboard;
    NoSound sound;
    TrainingSession session(bank, keyboard, sound);
    session.setHistory(&history);
    QObject::connect(&session, &TrainingSession::midiAnswer, &session,
        qOverload<const Answer &>(&TrainingSession::ProvideMidiAnswer));

    // Each answer is scored inside the key's handler: when it returns, the
    // store has been synced and the history's row committed.
    std::vector<double> storeAndHistoryMs;
    for (int i = 0; i < 500; ++i) {
        session.ReplayQuestion();
        const unsigned question = bank.questions[bank.currentQuestion];
        const std::int64_t start = MonotonicNs();
        session.processGKCEvent(static_cast<int>(question) - 21 + (i % 3 == 0 ? 1 : 0));
        storeAndHistoryMs.push_back(double(MonotonicNs() - start) / 1e6);
    }
    PrintDistribution("answer arrival to store and history on disk", storeAndHistoryMs, "ms");

    // A history of its own, closed afterwards so that its log is folded in.
    const QString sizedPath = home.filePath("sized.sqlite");
    {
        AnswerHistory sized(sizedPath);
        AnswerRecord row;
        row.source = QStringLiteral("Keystation 88 MK3 MIDI 1");
        row.reactionMs = 1234;
        for (int i = 0; i < 10000; ++i) {
            row.timeUtcMs = 1796731200000 + 2000 * i;
            row.questionIndex = unsigned(i % 84);
            row.questionNote = 24 + unsigned(i % 84);
            row.answerNote = row.questionNote + (i % 4 == 0 ? 12 : 0);
            row.correct = i % 4 != 0;
            sized.append(row);
        }
        std::printf("history of 10000 answers while open: %.1f KiB (with its write-ahead log)\n",
                    double(historySize(sizedPath)) / 1024.0);
    }
    std::printf("history of 10000 answers: %.1f KiB on disk\n", double(historySize(sizedPath)) / 1024.0);

    // Start-up opens the file without reading it whole; the whole-file
    // check runs after the first frame on a thread of its own.
    {
        AnswerHistory grown(sizedPath);
        AnswerRecord row;
        row.source = QStringLiteral("screen keyboard");
        for (int i = 0; i < 90000; ++i) {
            row.questionNote = 24 + unsigned(i % 84);
            grown.append(row);
        }
    }
    const std::int64_t openStart = MonotonicNs();
    {
        const AnswerHistory opened(sizedPath);
        std::printf("opening a history of 100000 answers at start: %.1f ms\n", double(MonotonicNs() - openStart) / 1e6);
    }
    const std::int64_t checkStart = MonotonicNs();
    const bool fileSound = AnswerHistory::fileLooksSound(sizedPath);
    std::printf("whole-file check of it (background thread): %.1f ms, %s\n", double(MonotonicNs() - checkStart) / 1e6,
                fileSound ? "sound" : "damaged");

    // Another program holds the write lock for 10 s; an answer every 250 ms.
    StorageStatus status(bank, history);
    std::atomic<bool> locked{false};
    std::thread holder([&historyPath, &locked] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "holder");
            db.setDatabaseName(historyPath);
            db.open();
            QSqlQuery lock(db);
            lock.exec("BEGIN IMMEDIATE");
            locked = true;
            QThread::msleep(10000);
            lock.exec("COMMIT");
            db.close();
        }
        QSqlDatabase::removeDatabase("holder");
    });
    while (!locked)
        QThread::msleep(1);
    const int rowsBefore = history.count();
    QElapsedTimer gap;
    gap.start();
    qint64 longestGapMs = 0;
    QTimer meter;
    meter.setInterval(2);
    QObject::connect(&meter, &QTimer::timeout, [&] { longestGapMs = std::max(longestGapMs, gap.restart()); });
    meter.start();
    std::vector<double> lockedAnswerMs;
    QElapsedTimer clock;
    clock.start();
    int given = 0;
    while (clock.elapsed() < 10000) {
        session.ReplayQuestion();
        const unsigned question = bank.questions[bank.currentQuestion];
        const std::int64_t start = MonotonicNs();
        session.processGKCEvent(static_cast<int>(question) - 21);
        lockedAnswerMs.push_back(double(MonotonicNs() - start) / 1e6);
        ++given;
        const qint64 next = clock.elapsed() + 250;
        while (clock.elapsed() < next)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    holder.join();
    const qint64 released = clock.elapsed();
    while (history.heldCount() > 0 && clock.elapsed() < released + 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    PrintDistribution("answer while another program holds the write lock", lockedAnswerMs, "ms");
    std::printf("longest GUI-thread stall during the 10 s lock: %lld ms\n", longestGapMs);
    std::printf("held answers written %lld ms after the lock's release; %d of %d given are in the history\n",
                clock.elapsed() - released, history.count() - rowsBefore, given);
    return 0;
}
