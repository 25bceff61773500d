#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

namespace Core {
class AlsaAnnounceWatch;
class JackPortWatch;
} // namespace Core

// Rescans the MIDI ports when a MIDI server announces that ports came, went
// or were renamed, and reports the rescans that found a change. A burst of
// announcements (a device with many ports, a flood) costs one rescan after
// it settles. Nothing runs while nothing changes.
class DeviceWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 100;

    // `rescan` returns true when the ports changed.
    explicit DeviceWatch(std::function<bool()> rescan, QObject *parent = nullptr);
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

private:
    std::function<bool()> rescan;
    QTimer settle;
    std::atomic<bool> pending{false};
    std::unique_ptr<Core::JackPortWatch> jack;
    std::unique_ptr<Core::AlsaAnnounceWatch> alsa;
    bool started = false;
};
