#pragma once

#include "midi_device.h"

#include <mutex>

namespace Core {

// What every input device shares: the note tables, the event history and the
// velocity scale, and ProcessEvent, by which a concrete device feeds events in.
// ProcessEvent may run on another thread than the readers: the state has a lock
// of its own, held only while it is read or changed, never while observers run.
class MidiInDeviceBase : public MidiInDevice {
public:
    static constexpr int kChannels = 16;
    // The history keeps this many of the latest events.
    static constexpr int kMaxEvents = 4096;

    MidiInDeviceBase();

    void GetChannelState(int channel, ChannelState &table) const override;
    void Reset() override;
    void Close() override {}
    void GetEvents(QVector<MidiEvent> &events) const override;
    double GetVelocityScale() const override;
    void SetVelocityScale(double scale) override;
    bool IsOpen() const override { return true; }

    // Records the event, updates the note tables, scales a note-on's velocity
    // and publishes the result to the observers on the calling thread.
    void ProcessEvent(const MidiEvent &event);

private:
    void Record(const MidiEvent &event);
    void UpdateNoteState(const MidiMessage &message);
    MidiMessage Scaled(const MidiMessage &message) const;

    mutable std::mutex stateMutex;
    std::uint8_t noteState[kChannels][kNoteTableSize];
    // Holds up to twice kMaxEvents before the oldest half is dropped, so that
    // trimming costs little per event; GetEvents hands out the latest kMaxEvents.
    QVector<MidiEvent> events;
    double velocityScale = 1.0;
};

} // namespace Core
