#include "midi_answer_listener.h"

#include <algorithm>

namespace Core {

MidiAnswerListener::Tap::Tap(MidiAnswerListener &listener, const std::shared_ptr<MidiInDevice> &inputDevice)
    : owner(listener), device(inputDevice), source(inputDevice.get())
{
    inputDevice->AddObserver(this);
}

MidiAnswerListener::Tap::~Tap()
{
    // Removal waits for a delivery in progress on another thread, so none
    // can run into the destroyed listener.
    if (auto current = device.lock())
        current->RemoveObserver(this);
}

void MidiAnswerListener::Tap::OnMidiEvent(const MidiEvent &event)
{
    if (owner.sourceHook)
        owner.sourceHook(*source);
    owner.answerRule(event);
}

MidiAnswerListener::MidiAnswerListener(AnswerRule rule, const std::shared_ptr<MidiInDevice> &inputDevice,
                                       SourceHook source)
    : answerRule(std::move(rule)), sourceHook(std::move(source))
{
    SetDevice(inputDevice);
}

MidiAnswerListener::~MidiAnswerListener()
{
    SetDevices({});
}

void MidiAnswerListener::SetDevices(const std::vector<std::shared_ptr<MidiInDevice>> &devices)
{
    std::vector<std::unique_ptr<Tap>> released;
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<std::unique_ptr<Tap>> kept;
        for (auto &tap : taps) {
            const auto current = tap->Device();
            const bool listed = current && std::find(devices.begin(), devices.end(), current) != devices.end();
            (listed ? kept : released).push_back(std::move(tap));
        }
        for (const auto &device : devices) {
            if (!device)
                continue;
            const bool attached = std::any_of(kept.begin(), kept.end(),
                                              [&](const std::unique_ptr<Tap> &tap) { return tap->Device() == device; });
            if (!attached)
                kept.push_back(std::make_unique<Tap>(*this, device));
        }
        taps = std::move(kept);
    }
    // Detached outside the lock: a detach waits for a delivery in progress,
    // and a delivery never takes the lock, but keep the wait short anyway.
    released.clear();
}

void MidiAnswerListener::SetDevice(const std::shared_ptr<MidiInDevice> &device)
{
    SetDevices(device ? std::vector<std::shared_ptr<MidiInDevice>>{device} : std::vector<std::shared_ptr<MidiInDevice>>{});
}

std::shared_ptr<MidiInDevice> MidiAnswerListener::GetDevice() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return taps.empty() ? nullptr : taps.front()->Device();
}

std::vector<std::shared_ptr<MidiInDevice>> MidiAnswerListener::GetDevices() const
{
    std::vector<std::shared_ptr<MidiInDevice>> devices;
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto &tap : taps) {
        if (auto device = tap->Device())
            devices.push_back(std::move(device));
    }
    return devices;
}

} // namespace Core
