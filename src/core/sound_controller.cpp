#include "sound_controller.h"

#include <midi/midi_device_rt.h>

namespace Core {

std::atomic<SoundController::DeviceChangeCallback> SoundController::deviceChangeCallback{nullptr};

SoundController::SoundController(BuiltInOutputFactory builtIn, PortScan scan)
    : builtInOutput(std::move(builtIn)), portScan(scan)
{
    RefreshDevices();
}

SoundController::~SoundController() = default;

bool SoundController::RefreshDevices()
{
    const bool scanPorts = portScan == WithPorts;
    const unsigned inputPorts = scanPorts ? MidiInRtDevice::GetPortCount() : 0;
    bool changed = false;

    // The input list is rebuilt from scratch: released devices close their ports.
    if (!inputDevices.empty()) {
        inputDevices.clear();
        changed = true;
    }
    if (inputPorts > 0) {
        for (unsigned port = 0; port < inputPorts; ++port) {
            auto device = std::make_shared<MidiInRtDevice>(port);
            if (device->IsOpen())
                inputDevices.push_back(std::move(device));
        }
        changed = true;
    }

    // A filled output list is never enumerated again.
    if (outputDevices.empty()) {
        if (builtInOutput) {
            if (auto device = builtInOutput())
                outputDevices.push_back(std::move(device));
        }
        const unsigned outputPorts = scanPorts ? MidiOutRtDevice::GetPortCount() : 0;
        for (unsigned port = 0; port < outputPorts; ++port)
            outputDevices.push_back(std::make_shared<MidiOutRtDevice>(port));
        changed = true;
    }

    currentInDevice = inputDevices.empty() ? -1 : GetInDeviceCount() - 1;
    currentOutDevice = outputDevices.empty() ? -1 : 0;
    return changed;
}

void SoundController::SetDeviceChangeCallback(DeviceChangeCallback callback)
{
    deviceChangeCallback = callback;
}

SoundController::DeviceChangeCallback SoundController::GetDeviceChangeCallback()
{
    return deviceChangeCallback;
}

} // namespace Core
