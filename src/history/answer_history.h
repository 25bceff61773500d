#pragma once

#include <QString>
#include <QVector>

#include <deque>
#include <functional>

// One scored answer as the history keeps it.
struct AnswerRecord {
    qint64 timeUtcMs = 0; // milliseconds since the epoch, UTC
    unsigned level = 1;
    unsigned questionIndex = 0;
    unsigned questionNote = 0;
    unsigned answerNote = 0;
    bool correct = false;
    // "screen keyboard", "computer keyboard" or the MIDI port's name.
    QString source;
    // From the question's (latest) note-on to the answer; -1 when unknown.
    qint64 reactionMs = -1;
    bool duringNote = false; // the question's note was still sounding
    unsigned replays = 0;    // replays of this question before the answer
    // "levels" or "adaptive": the course the answer was given in.
    QString course = QStringLiteral("levels");
    // From the moment the question's note became audible (its note-on at
    // the synthesiser plus the output's latency); -1 when unknown.
    qint64 audibleReactionMs = -1;
};

// Every answer the user gives, one row each, in an SQLite file beside the
// user's other data. The settings store holds the training state; this is
// what the statistics are made from.
//
// The history never stops training and is never thrown away. Only a file
// SQLite itself finds damaged is set aside (renamed, never deleted) and a new
// one started. A file that cannot be written for now (disk full, read-only,
// locked by another program) is kept: the answers wait in memory, in order,
// and retry() writes them once it can. A newer version's file is left as it
// is and nothing is recorded. problem() says what is going on in one line.
// An object is used on the thread that made it; the static functions open
// connections of their own.
class AnswerHistory {
public:
    static constexpr int kSchemaVersion = 3;
    // How long a write waits for another program's lock before the answer
    // is held for a later retry: short, as writes run on the GUI thread.
    static constexpr int kWriteBusyTimeoutMs = 5;

    enum class Mode { ReadWrite, ReadOnly };

    // $XDG_DATA_HOME/<organisation>/<application>/history.sqlite
    static QString defaultPath();

    explicit AnswerHistory(const QString &path = defaultPath(), Mode mode = Mode::ReadWrite);
    ~AnswerHistory();
    AnswerHistory(const AnswerHistory &) = delete;
    AnswerHistory &operator=(const AnswerHistory &) = delete;

    bool isOpen() const { return !connection.isEmpty(); }
    // False when answers are not kept at all (a newer version's file, or a
    // damaged one that could not be set aside).
    bool recording() const { return mode == Mode::ReadWrite && !off; }
    // What went wrong, for the user; empty while all is well.
    const QString &problem() const { return problemText; }
    const QString &path() const { return filePath; }
    // Called whenever problem() changes.
    void setProblemObserver(std::function<void()> observer) { problemObserver = std::move(observer); }

    // One row: its id once it is in the file, 0 while it waits in memory
    // (or is not recorded at all, see recording()). Answers held earlier go
    // first, so the file keeps the order in which they were given.
    qint64 append(const AnswerRecord &record);
    // Writes the held answers; the id of the last one written, 0 if none was.
    qint64 retry();
    int heldCount() const { return static_cast<int>(held.size()); }
    // Whether retry() has anything to do: answers held, or a file to reach.
    bool waiting() const { return recording() && (!isOpen() || !held.empty()); }

    // Every row in the order given, oldest first; false when it cannot be read.
    bool forEach(const std::function<void(const AnswerRecord &)> &visit) const;
    // The rows after row `id`, with their ids, oldest first.
    bool forEachAfter(qint64 id, const std::function<void(qint64, const AnswerRecord &)> &visit) const;
    qint64 lastRowId() const;
    int count() const;

    // The whole-file check, on a connection of its own: safe on any thread.
    // False only when SQLite finds the file damaged.
    static bool fileLooksSound(const QString &path);
    // The file was found damaged (by fileLooksSound): set it aside and start
    // a new one, unless another program has already done so.
    void damagedFileFound();

    // Files set aside beside `historyPath`, newest first (names only).
    static QStringList setAsideFiles(const QString &historyPath);
    struct Recovered {
        int rows = 0;     // copied
        int skipped = 0;  // that could not be read
        int pitchTests = 0; // finished pitch tests copied with their trials
        QString problem;  // empty when the copy went through
    };
    // Copies every readable row of the set-aside file `aside` into the
    // history at `historyPath`, row by row, on connections of its own (safe
    // on any thread), and then its finished pitch tests; the set-aside file
    // is then renamed ".recovered", so that its rows are not offered twice.
    static Recovered recoverInto(const QString &aside, const QString &historyPath);

private:
    enum class Failure { None, Damaged, Full, ReadOnly, Busy, Newer, Other };
    static Failure classify(const QString &nativeCode);

    Failure open(bool create);
    bool readableAsOpened();
    Failure prepareSchema();
    void close();
    // Tries to reach a writable, current file; false with the problem set.
    bool reopen();
    bool flushHeld(qint64 &lastId);
    bool setAside();
    void holdFor(Failure failure);
    void stopRecording(const QString &text);
    void report(const QString &text);
    void clearProblem();
    bool insertRow(const AnswerRecord &record, qint64 &id, Failure &failure);

    QString filePath;
    Mode mode;
    QString connection; // the QSqlDatabase connection name; empty while closed
    QString problemText;
    bool off = false;
    // The file's identity when it was opened, so that a file another
    // instance has already replaced is not set aside a second time.
    quint64 fileIdentity = 0;
    // The current problem is a write that failed for now (cleared once the
    // held answers are in).
    bool holding = false;
    std::deque<AnswerRecord> held;
    std::function<void()> problemObserver;
};
