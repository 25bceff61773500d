#pragma once

#include "midi_device_base.h"
#include "midi_stream_observer.h"
#include "timer.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

namespace Core {

// A prepared list of timed events, kept in the order appended (never sorted).
// Once handed to a device it must not change.
class MidiStream {
public:
    void Append(const MidiEvent &event) { events.push_back(event); }
    void Append(const MidiMessage &message, std::int32_t tick, double seconds)
    {
        events.emplace_back(message, tick, seconds);
    }

    std::size_t Size() const { return events.size(); }
    bool IsEmpty() const { return events.empty(); }
    const MidiEvent &At(std::size_t index) const { return events[index]; }
    std::vector<MidiEvent>::const_iterator begin() const { return events.begin(); }
    std::vector<MidiEvent>::const_iterator end() const { return events.end(); }

private:
    std::vector<MidiEvent> events;
};

// An input device whose events come from a MidiStream instead of a port.
// It publishes MIDI events to its MidiDeviceObservers and the end of a stream
// to its MidiInStreamDeviceObservers; both observer kinds are added with
// AddObserver (the overload follows the pointer's type) or, where a class is
// both, with AddStreamObserver/RemoveStreamObserver.
class MidiInStreamDeviceBase : public MidiInDeviceBase, public Subject<MidiInStreamDeviceObserver> {
public:
    using MidiEventSubject = Subject<MidiDeviceObserver>;
    using StreamSubject = Subject<MidiInStreamDeviceObserver>;
    using MidiEventSubject::AddObserver;
    using MidiEventSubject::RemoveObserver;
    using StreamSubject::AddObserver;
    using StreamSubject::RemoveObserver;

    explicit MidiInStreamDeviceBase(std::shared_ptr<const MidiStream> stream);

    bool AddStreamObserver(MidiInStreamDeviceObserver *observer) { return StreamSubject::AddObserver(observer); }
    void RemoveStreamObserver(MidiInStreamDeviceObserver *observer) { StreamSubject::RemoveObserver(observer); }
    std::size_t StreamObserverCount() const { return StreamSubject::ObserverCount(); }
    std::size_t MidiObserverCount() const { return MidiEventSubject::ObserverCount(); }

    QString GetName() const override { return QString(); }
    // Puts the cursor at the end and clears the note tables.
    void Reset() override;
    // Puts the cursor on the first event whose tick is at least the given one.
    virtual void Seek(int tick);
    // Rewinds a finished (or never started) stream to its first event.
    virtual void Start();

    // Replaces the stream and resets the device.
    void SetStream(std::shared_ptr<const MidiStream> stream);

protected:
    bool AtEnd() const;
    const MidiEvent &Current() const { return stream->At(cursor); }

    // Guards stream, cursor and the derived classes' fields. Recursive: the
    // derived operations call their base's while holding it, and the end of a
    // stream resets the device from inside a tick.
    mutable std::recursive_mutex lock;
    std::shared_ptr<const MidiStream> stream;
    std::size_t cursor = 0;
};

// Plays its stream in real time on the 1 ms timer: each event goes out at the
// first tick at which its time (seconds since Start) has been reached; after
// the last one the device stops and tells its stream observers, once. The
// timer ticks for it only while it plays, and Start wakes it.
class MidiInStreamDeviceAuto : public MidiInStreamDeviceBase, public MultimediaTimerObserver {
public:
    // Subscribes to the timer; raises Error if the timer cannot start.
    explicit MidiInStreamDeviceAuto(std::shared_ptr<const MidiStream> stream = nullptr);
    ~MidiInStreamDeviceAuto() override;

    void Reset() override;
    void Start() override;
    void OnTimer(std::int64_t timeMs) override;
    bool WantsTicks() const override;

    bool IsPlaying() const;
    // Seconds of playback since the last Start.
    double GetElapsed() const;

private:
    // Dispatches the events due by now; true when the last one went out.
    bool DispatchDueEvents();

    std::chrono::steady_clock::time_point startedAt;
    double elapsed = 0.0;
    bool playing = false;
};

} // namespace Core
