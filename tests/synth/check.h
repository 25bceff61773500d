#pragma once

// A minimal test runner for the tests that run threads. QtTest's watchdog
// thread synchronises inside the uninstrumented Qt library, which
// ThreadSanitizer reports as races, so these tests do without it.

#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

namespace SynthTest {

inline int &FailureCount()
{
    static int failures = 0;
    return failures;
}

inline void ReportFailure(const char *file, int line, const char *condition)
{
    std::fprintf(stdout, "FAIL: %s:%d: %s\n", file, line, condition);
    std::fflush(stdout);
    ++FailureCount();
}

// Polls the condition every 10 ms until it holds or the timeout passes.
inline bool WaitUntil(const std::function<bool()> &condition, int timeoutMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Runs one test case and prints its outcome; returns whether it passed.
inline bool RunCase(const char *name, const std::function<void()> &testCase)
{
    const int before = FailureCount();
    testCase();
    const bool passed = FailureCount() == before;
    std::fprintf(stdout, "%s: %s\n", passed ? "PASS" : "FAIL", name);
    std::fflush(stdout);
    return passed;
}

} // namespace SynthTest

// Records a failure and leaves the test case.
#define SYNTH_CHECK(condition)                                                   \
    do {                                                                         \
        if (!(condition)) {                                                      \
            SynthTest::ReportFailure(__FILE__, __LINE__, #condition);            \
            return;                                                              \
        }                                                                        \
    } while (false)
