#pragma once

#include "midi_message.h"
#include "subject.h"

#include <QString>
#include <QVector>

#include <cstdint>

namespace Core {

class MidiDeviceObserver {
public:
    virtual ~MidiDeviceObserver() = default;
    virtual void OnMidiEvent(const MidiEvent &event) = 0;
};

// Notes per channel in the note tables.
constexpr int kNoteTableSize = 120;
using ChannelState = std::uint8_t[kNoteTableSize];

// A source of MIDI events; its observers receive every event it publishes.
class MidiInDevice : public Subject<MidiDeviceObserver> {
public:
    virtual QString GetName() const = 0;
    virtual void GetChannelState(int channel, ChannelState &table) const = 0;
    virtual void Reset() = 0;
    virtual void Close() = 0;
    virtual void GetEvents(QVector<MidiEvent> &events) const = 0;
    virtual double GetVelocityScale() const = 0;
    virtual void SetVelocityScale(double scale) = 0;
    virtual bool IsOpen() const = 0;
};

// A destination for MIDI messages. It carries an observer list like an input
// device but never publishes.
class MidiOutDevice : public Subject<MidiDeviceObserver> {
public:
    virtual QString GetName() const = 0;
    virtual void Open() = 0;
    // Silences and resets all sixteen channels.
    virtual void Reset() = 0;
    // Silences what the program itself sounds (channel 1) between questions:
    // a full reset before every question would delay the note by 48 messages
    // on a slow cable. Where that costs nothing it is the full reset.
    virtual void Silence() { Reset(); }
    virtual void Send(const MidiMessage &message) = 0;
    // The JACK server stopped: whatever the device holds of it is let go,
    // before anything reaches for JACK again (libjack crashes closing a
    // stopped server's client once another client failed to open).
    virtual void ForgetJackServer() {}
    // Output gain where the device has one (0..1); port devices report 0.
    virtual double GetGain() const = 0;
    virtual void SetGain(double gain) = 0;
    // When a note sent at `sentMs` (Timer::NowMs) became audible, as far as
    // the device knows: a port cannot tell, so the moment it was sent; -1
    // while the device has not sounded it yet. Any thread, no lock.
    virtual std::int64_t GetAudibleSinceMs(std::int64_t sentMs) const { return sentMs; }
};

} // namespace Core
