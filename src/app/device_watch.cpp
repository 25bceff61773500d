#include "device_watch.h"

#include <QTimer>

DeviceWatch::DeviceWatch(std::function<bool()> rescanPorts, int interval, QObject *parent)
    : QObject(parent), rescan(std::move(rescanPorts)), intervalMs(interval)
{
}

void DeviceWatch::Start()
{
    if (detectionCountdown != 0)
        return;
    detectionCountdown = kCycles;
    scheduleNextCycle();
}

void DeviceWatch::scheduleNextCycle()
{
    QTimer::singleShot(intervalMs, this, SLOT(deviceDetectionHandler()));
}

void DeviceWatch::deviceDetectionHandler()
{
    --detectionCountdown;
    if (detectionCountdown <= 0) {
        detectionCountdown = 0;
        return;
    }
    if (rescan && rescan()) {
        detectionCountdown = 0;
        emit deviceChange();
        return;
    }
    scheduleNextCycle();
}
