#pragma once

#include <midi/midi_device.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace Core {

class MidiInRtDevice;

// Owns the MIDI ports the program works with: an input device for every input
// port that opened, an output device for every output port (after the
// built-in synthesiser, where there is one), and the indexes in use.
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

    // Rebuilds the input list, fills an empty output list; true when something changed.
    // Raises Error when no MIDI client can be created at all.
    bool RefreshDevices();

    int GetInDeviceCount() const { return static_cast<int>(inputDevices.size()); }
    std::shared_ptr<MidiInRtDevice> GetInDevice(int index) const { return inputDevices.at(index); }
    int GetOutDeviceCount() const { return static_cast<int>(outputDevices.size()); }
    std::shared_ptr<MidiOutDevice> GetOutDevice(int index) const { return outputDevices.at(index); }

    int GetCurrentInDevice() const { return currentInDevice; }
    void SetCurrentInDevice(int index) { currentInDevice = index; }
    int GetCurrentOutDevice() const { return currentOutDevice; }
    void SetCurrentOutDevice(int index) { currentOutDevice = index; }

    static void SetDeviceChangeCallback(DeviceChangeCallback callback);
    static DeviceChangeCallback GetDeviceChangeCallback();

private:
    std::vector<std::shared_ptr<MidiInRtDevice>> inputDevices;
    std::vector<std::shared_ptr<MidiOutDevice>> outputDevices;
    int currentInDevice = -1;
    int currentOutDevice = -1;
    BuiltInOutputFactory builtInOutput;
    const PortScan portScan;

    static std::atomic<DeviceChangeCallback> deviceChangeCallback;
};

} // namespace Core
