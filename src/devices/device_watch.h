#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Core {
class AlsaAnnounceWatch;
class JackPortWatch;
} // namespace Core

// Rescans the MIDI ports when a MIDI server announces that ports came, went
// or were renamed, and reports the rescans that found a change. A burst of
// announcements (a device with many ports, a flood) costs one rescan after
// it settles. A server started or stopped after the program is seen by its
// socket or device appearing or going, and its announcements are followed
// from then on. Nothing runs while nothing changes.
class DeviceWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 100;
    // A server's socket appears a moment before it takes clients.
    static constexpr int kServerStartRetries = 10;
    static constexpr int kServerStartRetryMs = 300;

    // `rescan` returns true when the ports changed. `serversChanged(true)`
    // lets go of what the program holds of a JACK server that stopped, and
    // runs before anything tries JACK again; `serversChanged(false)` comes
    // before the rescan after a server may have started.
    explicit DeviceWatch(std::function<bool()> rescan, std::function<void(bool jackStopped)> serversChanged = {},
                         QObject *parent = nullptr);
    ~DeviceWatch() override;

    // Subscribes to the servers' announcements; starting again does nothing.
    void Start();
    // Whether a server's announcements reach the watch.
    bool IsWatching() const;
    // Asks for a rescan, from any thread.
    void Notify();

signals:
    void deviceChange();

private slots:
    void scheduleRescan();
    void rescanNow();
    void serverPlaceChanged();
    void jackServerStopped();

private:
    void watchServerPlaces();
    void followNewServers();
    std::unique_ptr<Core::JackPortWatch> makeJackWatch();

    std::function<bool()> rescan;
    std::function<void(bool)> followServers;
    QTimer settle;
    std::atomic<bool> pending{false};
    std::unique_ptr<Core::JackPortWatch> jack;
    std::unique_ptr<Core::AlsaAnnounceWatch> alsa;
    bool started = false;
    QFileSystemWatcher serverPlaces;
    std::vector<std::string> servers; // what serverPlaces showed last
    bool serversChanged = false;
    int serverStartRetries = 0;
};
