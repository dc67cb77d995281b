#pragma once
// Per-call wall-clock samples. On a shared, loaded machine a batch of calls
// is mostly timed by the scheduler (the process waits for a CPU between
// calls); the median of single calls is what one call costs when it runs,
// and is measured the same way as the peer's benchmark measures its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

class TCallTimer {
public:
    template <class F>
    void Time(F&& call) {
        const auto start = std::chrono::steady_clock::now();
        call();
        const auto end = std::chrono::steady_clock::now();
        FSamples.push_back(std::chrono::duration<double, std::nano>(end - start).count());
    }
    // Adds the median (and the fastest) call as counters "call_ns" and "call_min_ns".
    void Report(benchmark::State& state) {
        if (FSamples.empty()) return;
        std::sort(FSamples.begin(), FSamples.end());
        const std::size_t n = FSamples.size();
        const double median = n % 2 ? FSamples[n / 2] : (FSamples[n / 2 - 1] + FSamples[n / 2]) / 2;
        state.counters["call_ns"] = median;
        state.counters["call_min_ns"] = FSamples.front();
    }

private:
    std::vector<double> FSamples;
};
