// The 1 ms timer over ten seconds: tick intervals and the CPU it costs.
#include "bench_stats.h"

#include <timer.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace {

class TickRecorder : public Core::MultimediaTimerObserver {
public:
    void OnTimer(std::int64_t) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        ticks.push_back(MonotonicNs());
    }
    std::mutex mutex;
    std::vector<std::int64_t> ticks;
};

} // namespace

int main()
{
    constexpr int kSeconds = 10;
    TickRecorder recorder;
    recorder.ticks.reserve(kSeconds * 1100);
    const double cpuBefore = ProcessCpuSeconds();
    const std::int64_t start = MonotonicNs();
    Core::Timer::Subscribe(&recorder);
    std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
    Core::Timer::Unsubscribe(&recorder);
    const double wall = double(MonotonicNs() - start) / 1e9;
    const double cpu = ProcessCpuSeconds() - cpuBefore;

    std::vector<double> intervals;
    for (std::size_t i = 1; i < recorder.ticks.size(); ++i)
        intervals.push_back(double(recorder.ticks[i] - recorder.ticks[i - 1]) / 1e6);
    std::printf("timer: %zu ticks in %.3f s (%.1f per second)\n", recorder.ticks.size(), wall,
                double(recorder.ticks.size()) / wall);
    PrintDistribution("tick interval", intervals, "ms");
    std::printf("process CPU while only the timer runs: %.3f ms per second (%.3f %% of one core)\n",
                cpu / wall * 1000.0, cpu / wall * 100.0);
    return 0;
}
