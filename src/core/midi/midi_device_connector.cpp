#include "midi_device_connector.h"

namespace Core {

namespace {
const std::string kDefaultInput = "DEFAULT_MIDI_IN_DEVICE";
}

MidiDeviceConnector::MidiDeviceConnector(std::shared_ptr<MidiInDevice> input, std::shared_ptr<MidiOutDevice> out)
    : output(std::move(out))
{
    devices[kDefaultInput] = std::move(input);
    if (const auto &device = devices[kDefaultInput])
        device->AddObserver(this);
}

MidiDeviceConnector::~MidiDeviceConnector()
{
    for (const auto &entry : devices) {
        if (entry.second)
            entry.second->RemoveObserver(this);
    }
    output.reset();
    devices.clear();
}

void MidiDeviceConnector::OnMidiEvent(const MidiEvent &event)
{
    if (output)
        output->Send(event.message);
}

} // namespace Core
