#include "midi_stream_device.h"

namespace Core {

// ---- base ----

MidiInStreamDeviceBase::MidiInStreamDeviceBase(std::shared_ptr<const MidiStream> s) : stream(std::move(s)) {}

bool MidiInStreamDeviceBase::AtEnd() const
{
    return !stream || cursor >= stream->Size();
}

void MidiInStreamDeviceBase::Reset()
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    cursor = stream ? stream->Size() : 0;
    MidiInDeviceBase::Reset();
}

void MidiInStreamDeviceBase::Seek(int tick)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    cursor = 0;
    while (!AtEnd() && Current().tick < tick)
        ++cursor;
}

void MidiInStreamDeviceBase::Start()
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (AtEnd())
        cursor = 0;
}

void MidiInStreamDeviceBase::SetStream(std::shared_ptr<const MidiStream> s)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    stream = std::move(s);
    Reset();
}

// ---- automatic player ----

MidiInStreamDeviceAuto::MidiInStreamDeviceAuto(std::shared_ptr<const MidiStream> s)
    : MidiInStreamDeviceBase(std::move(s))
{
    MidiInStreamDeviceAuto::Reset();
    Timer::Subscribe(this);
}

MidiInStreamDeviceAuto::~MidiInStreamDeviceAuto()
{
    // Before anything is torn down: no tick may reach a half-destroyed device.
    Timer::Unsubscribe(this);
}

void MidiInStreamDeviceAuto::Reset()
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    MidiInStreamDeviceBase::Reset();
    playing = false;
    elapsed = 0.0;
}

void MidiInStreamDeviceAuto::Start()
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    MidiInStreamDeviceBase::Start();
    // Elapsed time counts from now to the nanosecond, however long the
    // timer slept: whole milliseconds would let events go up to 1 ms early.
    // A Start while playing changes nothing.
    if (!playing)
        startedAt = std::chrono::steady_clock::now();
    playing = true;
    Timer::Wake();
}

bool MidiInStreamDeviceAuto::WantsTicks() const
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    return playing && !AtEnd();
}

bool MidiInStreamDeviceAuto::IsPlaying() const
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    return playing;
}

double MidiInStreamDeviceAuto::GetElapsed() const
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    return elapsed;
}

void MidiInStreamDeviceAuto::OnTimer(std::int64_t)
{
    bool finished = false;
    {
        std::lock_guard<std::recursive_mutex> guard(lock);
        if (!playing || AtEnd())
            return;
        elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - startedAt).count();
        finished = DispatchDueEvents();
    }
    if (finished)
        StreamSubject::NotifyObservers(&MidiInStreamDeviceObserver::onStreamFinished);
}

bool MidiInStreamDeviceAuto::DispatchDueEvents()
{
    while (!AtEnd() && elapsed >= Current().time) {
        // Keep a reference to the stream: an observer may hand us a new one.
        const std::shared_ptr<const MidiStream> playingStream = stream;
        const MidiEvent event = Current();
        ProcessEvent(event);
        if (stream != playingStream || !playing)
            return false;
        ++cursor;
        if (AtEnd()) {
            Reset();
            return true;
        }
    }
    return false;
}

} // namespace Core
