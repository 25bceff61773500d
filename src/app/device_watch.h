#pragma once

#include <QObject>

#include <functional>

// After it is started, rescans the MIDI ports once a second for a few
// seconds and reports the first rescan that found a change.
class DeviceWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kCycles = 10;
    static constexpr int kDefaultIntervalMs = 1000;

    // `rescan` returns true when the ports changed.
    explicit DeviceWatch(std::function<bool()> rescan, int intervalMs = kDefaultIntervalMs, QObject *parent = nullptr);

    // Starting a running watch does nothing.
    void Start();
    bool IsRunning() const { return detectionCountdown != 0; }

signals:
    void deviceChange();

public slots:
    void deviceDetectionHandler();

private:
    void scheduleNextCycle();

    std::function<bool()> rescan;
    const int intervalMs;
    int detectionCountdown = 0;
};
