#include "midi_device_base.h"

#include <algorithm>
#include <cstring>

namespace Core {

MidiInDeviceBase::MidiInDeviceBase()
{
    std::memset(noteState, 0, sizeof noteState);
}

void MidiInDeviceBase::GetChannelState(int channel, ChannelState &table) const
{
    if (channel < 0 || channel >= kChannels) {
        std::memset(table, 0, sizeof(ChannelState));
        return;
    }
    std::lock_guard<std::mutex> lock(stateMutex);
    std::memcpy(table, noteState[channel], sizeof(ChannelState));
}

void MidiInDeviceBase::Reset()
{
    std::lock_guard<std::mutex> lock(stateMutex);
    std::memset(noteState, 0, sizeof noteState);
}

void MidiInDeviceBase::GetEvents(QVector<MidiEvent> &result) const
{
    std::lock_guard<std::mutex> lock(stateMutex);
    if (events.size() <= kMaxEvents)
        result = events;
    else
        result = events.mid(events.size() - kMaxEvents);
}

double MidiInDeviceBase::GetVelocityScale() const
{
    std::lock_guard<std::mutex> lock(stateMutex);
    return velocityScale;
}

void MidiInDeviceBase::SetVelocityScale(double scale)
{
    std::lock_guard<std::mutex> lock(stateMutex);
    velocityScale = std::clamp(scale, 0.0, 1.0);
}

void MidiInDeviceBase::ProcessEvent(const MidiEvent &event)
{
    MidiEvent published(event);
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        Record(event);
        UpdateNoteState(event.message);
        published.message = Scaled(event.message);
    }
    NotifyObservers(&MidiDeviceObserver::OnMidiEvent, published);
}

void MidiInDeviceBase::Record(const MidiEvent &event)
{
    if (events.size() >= 2 * kMaxEvents)
        events.remove(0, events.size() - kMaxEvents);
    events.append(event);
}

void MidiInDeviceBase::UpdateNoteState(const MidiMessage &message)
{
    const int note = message.data1;
    // The tables stop at note 119; higher notes are not tracked.
    if (note >= kNoteTableSize)
        return;
    std::uint8_t &entry = noteState[message.GetChannel()][note];
    switch (message.GetType()) {
    case 0x90:
        entry = message.data2;
        break;
    case 0xA0:
        entry = message.GetPressure();
        break;
    case 0x80:
        entry = 0;
        break;
    default:
        break;
    }
}

MidiMessage MidiInDeviceBase::Scaled(const MidiMessage &message) const
{
    MidiMessage copy(message);
    // A velocity byte with the top bit set is no velocity; scaled, it could
    // turn a malformed record into a valid note-on.
    if (copy.HasNoteOnStatus() && copy.data2 < 0x80)
        copy.SetData2(static_cast<std::uint8_t>(static_cast<int>(copy.data2 * velocityScale)));
    return copy;
}

} // namespace Core
