#pragma once

#include "midi_device.h"

#include <map>
#include <memory>
#include <string>

namespace Core {

// MIDI thru: forwards every event of one input device to one output device.
// Shares ownership of both, so they outlive it; its destruction detaches it.
class MidiDeviceConnector : public MidiDeviceObserver {
public:
    MidiDeviceConnector(std::shared_ptr<MidiInDevice> input, std::shared_ptr<MidiOutDevice> output);
    ~MidiDeviceConnector() override;

    MidiDeviceConnector(const MidiDeviceConnector &) = delete;
    MidiDeviceConnector &operator=(const MidiDeviceConnector &) = delete;

    void OnMidiEvent(const MidiEvent &event) override;

private:
    std::map<std::string, std::shared_ptr<MidiInDevice>> devices;
    std::shared_ptr<MidiOutDevice> output;
};

} // namespace Core
