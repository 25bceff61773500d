#include "timer.h"

#include "error.h"

#include <QCoreApplication>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace Core {

namespace {

constexpr long kPeriodNs = 1000000;
constexpr long kNsPerSecond = 1000000000;
// Low among real-time priorities: above every normal thread, below audio
// servers' own threads.
constexpr int kRealTimePriority = 10;

struct TimerState {
    std::mutex mutex;
    std::vector<MultimediaTimerObserver *> observers;
    std::uint32_t timerId = 0;
    std::uint32_t lastId = 0;
    std::thread thread;

    // The sleep of an idle timer. wakeMutex is taken with no other lock
    // inside it, so Wake may be called under any lock without deadlock.
    std::mutex wakeMutex;
    std::condition_variable wakeCondition;
    std::uint64_t wakeGeneration = 0; // guarded by wakeMutex
    std::atomic<std::uint64_t> wakeUps{0};
    std::atomic<bool> realTime{false};

    void WakeThread()
    {
        {
            std::lock_guard<std::mutex> lock(wakeMutex);
            ++wakeGeneration;
        }
        wakeCondition.notify_all();
    }

    // A timer still running at exit is stopped before its state goes away.
    ~TimerState()
    {
        std::thread running;
        {
            std::lock_guard<std::mutex> lock(mutex);
            timerId = 0;
            running = std::move(thread);
        }
        if (running.joinable()) {
            WakeThread();
            running.join();
        }
    }
};

TimerState &State()
{
    static TimerState state;
    return state;
}

void AddPeriod(timespec &t)
{
    t.tv_nsec += kPeriodNs;
    if (t.tv_nsec >= kNsPerSecond) {
        t.tv_nsec -= kNsPerSecond;
        ++t.tv_sec;
    }
}

std::int64_t ToNs(const timespec &t)
{
    return static_cast<std::int64_t>(t.tv_sec) * kNsPerSecond + t.tv_nsec;
}

timespec FromNs(std::int64_t ns)
{
    timespec t;
    t.tv_sec = static_cast<time_t>(ns / kNsPerSecond);
    t.tv_nsec = static_cast<long>(ns % kNsPerSecond);
    return t;
}

void SleepUntil(const timespec &deadline)
{
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

std::uint64_t CurrentWakeGeneration(TimerState &state)
{
    std::lock_guard<std::mutex> lock(state.wakeMutex);
    return state.wakeGeneration;
}

// Sleeps until Wake has been called since `seen` was read.
void SleepUntilWoken(TimerState &state, std::uint64_t seen)
{
    std::unique_lock<std::mutex> lock(state.wakeMutex);
    state.wakeCondition.wait(lock, [&] { return state.wakeGeneration != seen; });
}

// Asks for SCHED_FIFO where the user's RLIMIT_RTPRIO allows it, as audio
// programs do; otherwise the thread stays as it is, without a word.
bool TryRealTimeScheduling()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_RTPRIO, &limit) != 0 || limit.rlim_cur == 0)
        return false;
    sched_param param {};
    param.sched_priority = static_cast<int>(std::min<rlim_t>(limit.rlim_cur, kRealTimePriority));
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

// After a stall the next deadline moves to the first period boundary still
// ahead, on the same grid: missed ticks are not made up in a burst, and the
// grid itself never drifts.
void SkipMissedDeadlines(timespec &next)
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::int64_t behind = ToNs(now) - ToNs(next);
    if (behind >= kPeriodNs)
        next = FromNs(ToNs(next) + (behind / kPeriodNs) * kPeriodNs);
}

} // namespace

std::int64_t Timer::NowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::uint32_t Timer::CurrentId()
{
    TimerState &state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.timerId;
}

std::int64_t Timer::Subscribe(MultimediaTimerObserver *observer)
{
    TimerState &state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.observers.push_back(observer);
    if (state.timerId == 0) {
        try {
            Start();
        } catch (...) {
            // The subscriber's construction fails with this error; keeping its
            // entry would leave a dangling observer for the next start.
            state.observers.pop_back();
            throw;
        }
    }
    // A new observer may want ticks from a timer that sleeps.
    Wake();
    return NowMs();
}

void Timer::Start()
{
    TimerState &state = State();
    std::uint32_t id = state.lastId + 1;
    if (id == 0)
        id = 1;
    try {
        state.thread = std::thread(&Timer::Run, id);
    } catch (const std::system_error &) {
        throw Error(CORE_ERROR_LOCATION("Core::Timer::Start"), kTimerStartError,
                    QCoreApplication::translate("Core::Timer", "Error starting timer"));
    }
    state.lastId = id;
    state.timerId = id;
}

void Timer::Unsubscribe(MultimediaTimerObserver *observer)
{
    TimerState &state = State();
    std::thread finished;
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        auto it = std::find(state.observers.begin(), state.observers.end(), observer);
        if (it == state.observers.end())
            return;
        state.observers.erase(it);
        if (state.observers.empty() && state.timerId != 0) {
            state.timerId = 0;
            finished = std::move(state.thread);
        }
    }
    // The thread sees the id change at its next tick and ends. It is joined
    // outside the lock, which it needs to notice that.
    if (!finished.joinable())
        return;
    Wake();
    if (finished.get_id() == std::this_thread::get_id())
        finished.detach();
    else
        finished.join();
}

void Timer::Wake()
{
    State().WakeThread();
}

std::uint64_t Timer::WakeUpCount()
{
    return State().wakeUps.load();
}

bool Timer::IsRealTime()
{
    return State().realTime.load();
}

void Timer::Run(std::uint32_t id)
{
    TimerState &state = State();
    pthread_setname_np(pthread_self(), "orvelle-timer");
    state.realTime.store(TryRealTimeScheduling());
    timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        // Read before the observers are asked: a Wake after they answered
        // "no ticks" changes it, so the sleep below cannot miss it.
        const std::uint64_t seen = CurrentWakeGeneration(state);
        bool wanted = false;
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            if (state.timerId != id)
                return;
            for (std::size_t i = 0; i < state.observers.size(); ++i)
                state.observers[i]->OnTimer(NowMs());
            for (std::size_t i = 0; i < state.observers.size() && !wanted; ++i)
                wanted = state.observers[i]->WantsTicks();
        }
        if (wanted) {
            SkipMissedDeadlines(next);
            AddPeriod(next);
            SleepUntil(next);
        } else {
            SleepUntilWoken(state, seen);
            // A new grid from now: the tick after a wake-up runs at once.
            clock_gettime(CLOCK_MONOTONIC, &next);
        }
        state.wakeUps.fetch_add(1, std::memory_order_relaxed);
    }
}

} // namespace Core
