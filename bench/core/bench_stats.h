#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <vector>

inline std::int64_t MonotonicNs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

inline double ProcessCpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Percentile of already sorted values (nearest rank).
inline double Percentile(const std::vector<double> &sorted, double p)
{
    if (sorted.empty())
        return 0.0;
    std::size_t rank = static_cast<std::size_t>(p / 100.0 * double(sorted.size()));
    if (rank >= sorted.size())
        rank = sorted.size() - 1;
    return sorted[rank];
}

inline void PrintDistribution(const char *what, std::vector<double> values, const char *unit)
{
    std::sort(values.begin(), values.end());
    std::printf("%s (n=%zu): min %.3f  p50 %.3f  p99 %.3f  p99.9 %.3f  max %.3f %s\n", what, values.size(),
                values.empty() ? 0.0 : values.front(), Percentile(values, 50), Percentile(values, 99),
                Percentile(values, 99.9), values.empty() ? 0.0 : values.back(), unit);
}
