#include "midi_stream_device.h"

#include <algorithm>

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
    // The first tick's interval is measured from now, not from the clock's
    // origin, even if Start comes before any tick has run.
    lastTickMs = Timer::NowMs();
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
    playing = true;
    // Elapsed time counts from now, however long the timer slept.
    lastTickMs = Timer::NowMs();
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

void MidiInStreamDeviceAuto::OnTimer(std::int64_t timeMs)
{
    bool finished = false;
    {
        std::lock_guard<std::recursive_mutex> guard(lock);
        if (!playing || AtEnd()) {
            lastTickMs = timeMs;
            return;
        }
        // A tick whose time was read just before Start counts as none.
        const double dt = static_cast<double>(std::max<std::int64_t>(timeMs - lastTickMs, 0));
        lastTickMs = std::max(timeMs, lastTickMs);
        elapsed += dt / 1000.0;
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
