#include "sound_controller.h"

#include <error.h>
#include <midi/midi_backend.h>
#include <midi/midi_device_rt.h>
#include <midi/midi_log.h>
#include <midi/port_name.h>

namespace Core {

std::atomic<SoundController::DeviceChangeCallback> SoundController::deviceChangeCallback{nullptr};

SoundController::SoundController(BuiltInOutputFactory builtIn, PortScan scan)
    : builtInOutput(std::move(builtIn)), portScan(scan)
{
    if (builtInOutput)
        builtInDevice = builtInOutput();
    if (builtInDevice)
        outputDevices.push_back(builtInDevice);
    RefreshDevices();
}

SoundController::~SoundController() = default;

bool SoundController::RefreshDevices()
{
    if (portScan == WithoutPorts)
        return false;
    // The API was chosen by the first count (in the constructor), which
    // raised Error when no API can create a client at all.
    if (inputDevices.empty() && outputDevices.size() == (builtInDevice ? 1u : 0u))
        MidiInRtDevice::GetPortCount();
    // Under JACK one client looks at both lists and at the connections: each
    // client that opens and closes costs the server a cycle or two, and the
    // user waits for the rescan.
    MidiBackend::JackPorts jack;
    if (MidiBackend::CurrentApi() == RtMidi::UNIX_JACK && MidiBackend::LookAtJackPorts(jack)) {
        const bool inputsChanged = refreshInputs(jack.inputs, &jack.linked);
        const bool outputsChanged = refreshOutputs(jack.outputs, &jack.linked);
        return inputsChanged || outputsChanged;
    }
    const bool inputsChanged = refreshInputs(MidiBackend::InputPortNames(), nullptr);
    const bool outputsChanged = refreshOutputs(MidiBackend::OutputPortNames(), nullptr);
    return inputsChanged || outputsChanged;
}

namespace {

bool LostItsPort(RtMidi::Api api, const QString &name, const std::set<std::string> *linked)
{
    if (!linked || api != RtMidi::UNIX_JACK || linked->count(PortNameToBytes(name)) != 0)
        return false;
    qCDebug(lcMidi) << "port went and came back, opened again:" << name;
    return true;
}

} // namespace

void SoundController::ForgetJackServer()
{
    for (const auto &device : inputDevices)
        if (device->GetApi() == RtMidi::UNIX_JACK)
            device->Close();
    for (const auto &device : outputDevices)
        device->ForgetJackServer();
}

void SoundController::FollowNewServers()
{
    if (builtInDevice)
        builtInDevice->Open();
}

bool SoundController::refreshInputs(const QStringList &names, const std::set<std::string> *linked)
{
    std::vector<std::shared_ptr<MidiInRtDevice>> kept;
    QStringList unopened;
    bool changed = false;
    for (const QString &name : names) {
        std::shared_ptr<MidiInRtDevice> device = FindInDevice(name);
        if (device && LostItsPort(device->GetApi(), name, linked)) {
            device.reset();
            changed = true;
        }
        if (!device) {
            device = std::make_shared<MidiInRtDevice>(name);
            if (!device->IsOpen()) {
                qCDebug(lcMidi) << "input port cannot be opened:" << name;
                unopened << name;
                continue;
            }
            changed = true;
        }
        kept.push_back(std::move(device));
    }
    // Released devices close their ports once their last user lets go.
    changed = changed || kept.size() != inputDevices.size() || unopened != unopenedInputs;
    inputDevices = std::move(kept);
    unopenedInputs = unopened;
    return changed;
}

bool SoundController::refreshOutputs(const QStringList &names, const std::set<std::string> *linked)
{
    std::vector<std::shared_ptr<MidiOutDevice>> kept;
    if (builtInDevice)
        kept.push_back(builtInDevice);
    bool changed = false;
    for (const QString &name : names) {
        std::shared_ptr<MidiOutDevice> device = FindOutDevice(name);
        const auto *open = dynamic_cast<const MidiOutRtDevice *>(device.get());
        if (open && LostItsPort(open->GetApi(), name, linked)) {
            device.reset();
            changed = true;
        }
        if (!device) {
            auto port = std::make_shared<MidiOutRtDevice>(name);
            if (!port->IsPortOpen()) {
                qCDebug(lcMidi) << "output port cannot be opened:" << name;
                continue;
            }
            device = std::move(port);
            changed = true;
        }
        kept.push_back(std::move(device));
    }
    changed = changed || kept.size() != outputDevices.size();
    outputDevices = std::move(kept);
    return changed;
}

std::shared_ptr<MidiInRtDevice> SoundController::FindInDevice(const QString &portName) const
{
    for (const auto &device : inputDevices) {
        if (device->GetName() == portName)
            return device;
    }
    return nullptr;
}

std::shared_ptr<MidiOutDevice> SoundController::FindOutDevice(const QString &portName) const
{
    for (const auto &device : outputDevices) {
        if (device != builtInDevice && device->GetName() == portName)
            return device;
    }
    return nullptr;
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
