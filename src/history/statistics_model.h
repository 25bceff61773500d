#pragma once

#include "history_aggregate.h"

#include <QObject>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

// The statistics window's figures. The history is read and the figures
// computed on a thread of their own, so that a long history never holds up
// training; `loading` is true meanwhile and `changed` tells when they are in.
// The history is read whole once (preload(), right after the window's first
// frame); each refresh then reads only the answers added since and computes
// the figures from counts kept by day (HistoryAggregate).
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
    // The adaptive course over time (courseReport); empty without its answers.
    Q_PROPERTY(QString courseText READ courseText NOTIFY changed)
public:
    // `historyPath` is read afresh at every refresh; `currentLevel` answers
    // the "this level" filter.
    StatisticsModel(QString historyPath, std::function<unsigned()> currentLevel, QObject *parent = nullptr);
    // Whether "this course" is the adaptive one (else the current level).
    void setAdaptiveCourse(std::function<bool()> isAdaptive) { adaptiveCourse = std::move(isAdaptive); }
    // The classes the adaptive course began with, for its report.
    void setCourseStartClasses(std::function<int()> classes) { courseStartClasses = std::move(classes); }
    QString courseText() const { return course; }
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
    // Reads the whole history in the background, once, so that the first
    // opening finds it read.
    void preload();

signals:
    void changed();

private:
    struct Result {
        HistoryStatistics figures;
        QString problem;
        QString course;
    };
    // Without a filter it only reads.
    static Result compute(HistoryAggregate &aggregate, const QString &path,
                          const std::optional<StatisticsFilter> &filter, const std::atomic<bool> &stop,
                          int startClasses);
    void start(const std::optional<StatisticsFilter> &filter);
    void deliver(Result result, bool withFigures);
    void joinWorker();

    const QString path;
    const std::function<unsigned()> currentLevel;
    std::function<bool()> adaptiveCourse;
    std::function<int()> courseStartClasses;
    QString course;
    // Used by the worker thread only, one worker at a time.
    const std::unique_ptr<HistoryAggregate> aggregate;
    std::atomic<bool> stopping{false};
    bool readStarted = false;
    HistoryStatistics figures;
    QString problemText;
    bool busy = false;
    // A refresh asked for while one runs; it runs when that one is in.
    std::optional<StatisticsFilter> pending;
    std::thread worker;
};
