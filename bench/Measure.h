#pragma once
// Minimal timing helpers for the benchmark programs.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace Measure {
// Median wall time of `runs` calls of `work`, in microseconds.
template <typename F> double medianMicros(int runs, F&& work) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void report(const char* what, double micros) {
    if (micros >= 1000)
        std::printf("%-58s %10.2f ms\n", what, micros / 1000.0);
    else
        std::printf("%-58s %10.2f us\n", what, micros);
}
} // namespace Measure
