#pragma once

#include <QString>
#include <QVector>

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
};

// Every answer the user gives, one row each, in an SQLite file beside the
// user's other data. The settings store holds the training state; this is
// what the statistics are made from.
//
// The history never stops training: a file that cannot be read is moved
// aside and a new one started, and one that cannot be written is left alone
// while training goes on without it; problem() says so in one line.
// Used on the GUI thread only.
class AnswerHistory {
public:
    static constexpr int kSchemaVersion = 1;

    enum class Mode { ReadWrite, ReadOnly };

    // $XDG_DATA_HOME/<organisation>/<application>/history.sqlite
    static QString defaultPath();

    explicit AnswerHistory(const QString &path = defaultPath(), Mode mode = Mode::ReadWrite);
    ~AnswerHistory();
    AnswerHistory(const AnswerHistory &) = delete;
    AnswerHistory &operator=(const AnswerHistory &) = delete;

    bool isOpen() const { return !connection.isEmpty(); }
    // What went wrong, for the user; empty while all is well.
    const QString &problem() const { return problemText; }
    const QString &path() const { return filePath; }

    // One row, committed before it returns.
    bool append(const AnswerRecord &record);
    // Every row in the order given, oldest first; false when it cannot be read.
    bool forEach(const std::function<void(const AnswerRecord &)> &visit) const;
    int count() const;

private:
    bool open(bool create);
    bool prepareSchema();
    bool isReadable();
    void close();
    void setAside();
    void report(const QString &text);
    bool insert(const AnswerRecord &record);

    QString filePath;
    Mode mode;
    QString connection; // the QSqlDatabase connection name; empty while closed
    QString problemText;
};
