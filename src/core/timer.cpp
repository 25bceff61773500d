#include "timer.h"

#include "error.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace Core {

namespace {

constexpr long kPeriodNs = 1000000;
constexpr long kNsPerSecond = 1000000000;

struct TimerState {
    std::mutex mutex;
    std::vector<MultimediaTimerObserver *> observers;
    std::uint32_t timerId = 0;
    std::uint32_t lastId = 0;
    std::thread thread;

    // A timer still running at exit is stopped before its state goes away.
    ~TimerState()
    {
        std::thread running;
        {
            std::lock_guard<std::mutex> lock(mutex);
            timerId = 0;
            running = std::move(thread);
        }
        if (running.joinable())
            running.join();
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
    if (finished.get_id() == std::this_thread::get_id())
        finished.detach();
    else
        finished.join();
}

void Timer::Run(std::uint32_t id)
{
    TimerState &state = State();
    timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        AddPeriod(next);
        SleepUntil(next);
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            if (state.timerId != id)
                return;
            for (std::size_t i = 0; i < state.observers.size(); ++i)
                state.observers[i]->OnTimer(NowMs());
        }
        SkipMissedDeadlines(next);
    }
}

} // namespace Core
