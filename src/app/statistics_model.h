#pragma once

#include "history_statistics.h"

#include <QObject>
#include <QVariant>

#include <functional>
#include <optional>
#include <thread>

// The statistics window's figures. The history is read and the figures
// computed on a thread of their own, so that a long history never holds up
// training; `loading` is true meanwhile and `changed` tells when they are in.
class StatisticsModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool loading READ loading NOTIFY changed)
    Q_PROPERTY(QString problem READ problem NOTIFY changed)
    Q_PROPERTY(int total READ total NOTIFY changed)
    Q_PROPERTY(QVariantMap overall READ overall NOTIFY changed)
    Q_PROPERTY(QVariantList keys READ keys NOTIFY changed)
    Q_PROPERTY(QVariantList pitchClasses READ pitchClasses NOTIFY changed)
    Q_PROPERTY(QVariantList confusion READ confusion NOTIFY changed)
    Q_PROPERTY(QVariantMap errors READ errors NOTIFY changed)
    Q_PROPERTY(QVariantList days READ days NOTIFY changed)
public:
    // `historyPath` is read afresh at every refresh; `currentLevel` answers
    // the "this level" filter.
    StatisticsModel(QString historyPath, std::function<unsigned()> currentLevel, QObject *parent = nullptr);
    ~StatisticsModel() override;

    bool loading() const { return busy; }
    QString problem() const { return problemText; }
    int total() const { return figures.all.asked; }
    QVariantMap overall() const;
    QVariantList keys() const;
    QVariantList pitchClasses() const;
    QVariantList confusion() const;
    QVariantMap errors() const;
    QVariantList days() const;

    // What the figures are made of, in the window's terms.
    static StatisticsFilter filterFor(int period, int source, unsigned level);

public slots:
    // period: 0 all time, 1 the last 7 days, 2 this level;
    // source: 0 all answers, 1 MIDI keyboards, 2 the on-screen and computer keyboards.
    void refresh(int period, int source);

signals:
    void changed();

private:
    struct Result {
        HistoryStatistics figures;
        QString problem;
    };
    static Result compute(const QString &path, const StatisticsFilter &filter);
    void start(const StatisticsFilter &filter);
    void deliver(Result result);
    void joinWorker();

    const QString path;
    const std::function<unsigned()> currentLevel;
    HistoryStatistics figures;
    QString problemText;
    bool busy = false;
    // A refresh asked for while one runs; it runs when that one is in.
    std::optional<StatisticsFilter> pending;
    std::thread worker;
};
