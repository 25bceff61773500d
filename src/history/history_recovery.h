#pragma once

#include <QObject>
#include <QStringList>

#include <thread>

// The statistics window's offer of set-aside histories: lists them and
// copies every readable row of one into the current history, on a thread
// of its own. Lives on the GUI thread.
class HistoryRecovery : public QObject {
    Q_OBJECT
    // Names of the set-aside files, newest first.
    Q_PROPERTY(QStringList files READ files NOTIFY changed)
    Q_PROPERTY(bool busy READ busy NOTIFY changed)
    // The outcome of the last recovery, for the user.
    Q_PROPERTY(QString message READ message NOTIFY changed)
public:
    explicit HistoryRecovery(QString historyPath, QObject *parent = nullptr);
    ~HistoryRecovery() override;

    QStringList files() const { return fileNames; }
    bool busy() const { return running; }
    QString message() const { return outcome; }

    Q_INVOKABLE void refresh();
    Q_INVOKABLE void recover(const QString &fileName);

signals:
    void changed();
    // Rows (answers, or finished pitch tests only) were added to the history.
    void recovered(int rows);

private:
    const QString path;
    QStringList fileNames;
    bool running = false;
    QString outcome;
    std::thread worker;
};
