#pragma once

#include <midi/midi_device.h>

#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Core {

class MidiInRtDevice;

// Owns the MIDI ports the program works with: an input device for every input
// port that opened, an output device for every output port (after the
// built-in synthesiser, where there is one). Devices are kept by port name:
// a refresh opens the ports that appeared and lets go of those that vanished,
// and leaves the others open and in place.
class SoundController {
public:
    using DeviceChangeCallback = void (*)();
    // Makes the output that goes first in the list, ahead of the ports.
    using BuiltInOutputFactory = std::function<std::shared_ptr<MidiOutDevice>()>;

    enum PortScan { WithPorts, WithoutPorts };

    // WithoutPorts lists the built-in output alone, for when MIDI itself fails.
    explicit SoundController(BuiltInOutputFactory builtInOutput = {}, PortScan scan = WithPorts);
    virtual ~SoundController();
    SoundController(const SoundController &) = delete;
    SoundController &operator=(const SoundController &) = delete;

    // Follows the port lists; true when a device came or went.
    // Raises Error when no MIDI client can be created at all.
    bool RefreshDevices();
    // Lets go of everything opened through a JACK server that has stopped.
    // It must come before any new JACK client is tried: libjack crashes
    // closing a stopped server's ports once a client failed to open. The
    // port devices stay listed, silent, until the next refresh drops them.
    void ForgetJackServer();
    // A server started: the built-in output takes an audio output again if it
    // had none.
    void FollowNewServers();

    int GetInDeviceCount() const { return static_cast<int>(inputDevices.size()); }
    std::shared_ptr<MidiInRtDevice> GetInDevice(int index) const { return inputDevices.at(index); }
    int GetOutDeviceCount() const { return static_cast<int>(outputDevices.size()); }
    std::shared_ptr<MidiOutDevice> GetOutDevice(int index) const { return outputDevices.at(index); }
    // Whether output 0 is the built-in one rather than a port.
    bool HasBuiltInOutput() const { return builtInDevice != nullptr; }

    // The input device open on the port of this name, or null.
    std::shared_ptr<MidiInRtDevice> FindInDevice(const QString &portName) const;
    // The port output of this name, or null.
    std::shared_ptr<MidiOutDevice> FindOutDevice(const QString &portName) const;
    // Input ports that are listed but did not open.
    const QStringList &UnopenedInputs() const { return unopenedInputs; }

    static void SetDeviceChangeCallback(DeviceChangeCallback callback);
    static DeviceChangeCallback GetDeviceChangeCallback();

private:
    // `linked`: the JACK ports a port of the program is connected to, where
    // known; a JACK device whose port is not among them has lost its port
    // (it went and came back) and is opened again.
    bool refreshInputs(const QStringList &names, const std::set<std::string> *linked);
    bool refreshOutputs(const QStringList &names, const std::set<std::string> *linked);

    std::vector<std::shared_ptr<MidiInRtDevice>> inputDevices;
    std::vector<std::shared_ptr<MidiOutDevice>> outputDevices;
    std::shared_ptr<MidiOutDevice> builtInDevice;
    QStringList unopenedInputs;
    BuiltInOutputFactory builtInOutput;
    const PortScan portScan;

    static std::atomic<DeviceChangeCallback> deviceChangeCallback;
};

} // namespace Core
