#pragma once

#include <cstdint>

namespace Core {

class MultimediaTimerObserver {
public:
    virtual ~MultimediaTimerObserver() = default;
    // Called on the timer thread about every millisecond with Timer::NowMs().
    virtual void OnTimer(std::int64_t timeMs) = 0;
    // Asked on the timer thread (with the timer's lock held) after each tick:
    // while no observer wants ticks the thread sleeps until Timer::Wake.
    virtual bool WantsTicks() const { return true; }
};

// The process-wide 1 ms periodic timer. It runs on a thread of its own while
// at least one observer is subscribed, and ticks only while some observer
// wants ticks: otherwise the thread sleeps without waking until Wake is
// called, so an idle program costs no wake-ups. Ticks are delivered with the
// timer's lock held, so OnTimer must not call Subscribe or Unsubscribe, and
// once Unsubscribe has returned no tick runs for that observer.
class Timer {
public:
    Timer() = delete;

    // Adds the observer (again, if it is already there) and starts the timer
    // if it is stopped; returns NowMs(). Raises Error 1025 when the timer
    // cannot start, and then the observer is not kept.
    static std::int64_t Subscribe(MultimediaTimerObserver *observer);
    // Removes the first entry of the observer; removing the last entry stops
    // the timer and waits for its thread to end.
    static void Unsubscribe(MultimediaTimerObserver *observer);
    // Whole milliseconds of the monotonic clock.
    static std::int64_t NowMs();
    // Identifier of the running timer, 0 when stopped; each start has a new one.
    static std::uint32_t CurrentId();
    // Tells a sleeping timer that an observer may want ticks again; the next
    // tick follows at once. Takes no lock but its own: callable from any
    // thread, with any lock held, from OnTimer too.
    static void Wake();
    // Times the timer thread has woken (ticks and wake-ups from sleep) since
    // the process started.
    static std::uint64_t WakeUpCount();
    // Whether the timer thread asked for and got real-time scheduling.
    static bool IsRealTime();

private:
    static void Start();
    static void Run(std::uint32_t id);
};

} // namespace Core
