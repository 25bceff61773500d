#include "device_watch.h"

#include <midi/port_watch.h>

DeviceWatch::DeviceWatch(std::function<bool()> rescanPorts, std::function<void(bool)> serversChanged, QObject *parent)
    : QObject(parent), rescan(std::move(rescanPorts)), followServers(std::move(serversChanged))
{
    settle.setSingleShot(true);
    settle.setInterval(kSettleMs);
    connect(&settle, &QTimer::timeout, this, &DeviceWatch::rescanNow);
    connect(&serverPlaces, &QFileSystemWatcher::directoryChanged, this, &DeviceWatch::serverPlaceChanged);
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
    jack = makeJackWatch();
    alsa = std::make_unique<Core::AlsaAnnounceWatch>([this] { Notify(); });
    watchServerPlaces();
    servers = Core::MidiServerSignature(Core::MidiServerPlaces());
}

std::unique_ptr<Core::JackPortWatch> DeviceWatch::makeJackWatch()
{
    return std::make_unique<Core::JackPortWatch>([this] { Notify(); },
                                                 [this] {
                                                     QMetaObject::invokeMethod(this, "jackServerStopped",
                                                                               Qt::QueuedConnection);
                                                 });
}

// Before the rescan that the stop also asks for: every client of the stopped
// server is closed before a new one is tried, or libjack crashes.
void DeviceWatch::jackServerStopped()
{
    if (followServers)
        followServers(true);
    jack.reset();
    serversChanged = true;
    Notify();
}

void DeviceWatch::watchServerPlaces()
{
    const QStringList watched = serverPlaces.directories();
    for (const std::string &place : Core::MidiServerPlaces()) {
        const QString path = QString::fromStdString(place);
        if (!watched.contains(path))
            serverPlaces.addPath(path);
    }
}

// Other programs' files come and go there too (browsers keep theirs in
// /dev/shm); only a change of the servers' own entries counts.
void DeviceWatch::serverPlaceChanged()
{
    watchServerPlaces(); // /dev/snd, once the sound devices appear
    std::vector<std::string> now = Core::MidiServerSignature(Core::MidiServerPlaces());
    if (now == servers)
        return;
    servers = std::move(now);
    serversChanged = true;
    serverStartRetries = kServerStartRetries;
    Notify();
}

// A watch whose server was missing or stopped is made again: it finds the
// new server, or finds none and waits for the next change. The old one goes
// first: libjack crashes closing a stopped server's client once a client of
// a new server is open.
void DeviceWatch::followNewServers()
{
    if (!jack || !jack->IsOpen()) {
        jack.reset();
        jack = makeJackWatch();
    }
    if (!alsa || !alsa->IsOpen()) {
        alsa.reset();
        alsa = std::make_unique<Core::AlsaAnnounceWatch>([this] { Notify(); });
    }
    // The ALSA sequencer's device is ready once it shows; a JACK server's
    // socket shows before the server takes clients.
    if (!jack->IsOpen() && serverStartRetries > 0) {
        --serverStartRetries;
        serversChanged = true;
        QTimer::singleShot(kServerStartRetryMs, this, [this] { Notify(); });
    }
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
    if (serversChanged) {
        serversChanged = false;
        followNewServers();
        if (followServers)
            followServers(false);
    }
    if (rescan && rescan())
        emit deviceChange();
}
