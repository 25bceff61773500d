// What keeping an answer costs: the time from an answer's arrival (a key of
// the on-screen keyboard) to the settings store and the answer history both
// holding it on disk, over 500 answers; and the history's size per 10,000
// answers. Runs in a temporary folder; prints figures, asserts nothing.

#include "../core/bench_stats.h"
#include "no_window.h"

#include "answer_history.h"
#include "question_bank.h"
#include "training_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

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
    QObject::connect(&session, SIGNAL(midiAnswer(uint)), &session, SLOT(ProvideMidiAnswer(uint)));

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

    // Start-up reads the whole file once to know it is sound.
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
    const AnswerHistory opened(sizedPath);
    std::printf("opening and checking a history of %d answers: %.1f ms\n", opened.count(),
                double(MonotonicNs() - openStart) / 1e6);
    return 0;
}
