#include "device_watch.h"

#include <midi/port_watch.h>

DeviceWatch::DeviceWatch(std::function<bool()> rescanPorts, QObject *parent)
    : QObject(parent), rescan(std::move(rescanPorts))
{
    settle.setSingleShot(true);
    settle.setInterval(kSettleMs);
    connect(&settle, &QTimer::timeout, this, &DeviceWatch::rescanNow);
}

DeviceWatch::~DeviceWatch()
{
    // The servers' threads stop calling Notify before this object goes.
    jack.reset();
    alsa.reset();
}

void DeviceWatch::Start()
{
    if (started)
        return;
    started = true;
    jack = std::make_unique<Core::JackPortWatch>([this] { Notify(); });
    alsa = std::make_unique<Core::AlsaAnnounceWatch>([this] { Notify(); });
}

bool DeviceWatch::IsWatching() const
{
    return (jack && jack->IsOpen()) || (alsa && alsa->IsOpen());
}

void DeviceWatch::Notify()
{
    // One queued call per burst, however many announcements come meanwhile.
    if (!pending.exchange(true))
        QMetaObject::invokeMethod(this, "scheduleRescan", Qt::QueuedConnection);
}

void DeviceWatch::scheduleRescan()
{
    if (!settle.isActive())
        settle.start();
}

void DeviceWatch::rescanNow()
{
    // Announcements from here on ask for another rescan.
    pending.store(false);
    if (rescan && rescan())
        emit deviceChange();
}
