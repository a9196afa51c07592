#pragma once
// What the kernel knows about a running program: CPU time, wake-ups, memory.
// Reads /proc; every figure is 0 once the program has gone.

#include <QString>
#include <cstdint>

namespace ProcFigures {
// User plus system CPU time of the whole process so far, in seconds.
double cpuSeconds(int64_t pid);
// Context switches of all its threads so far: each is a wake-up or a preemption.
int64_t contextSwitches(int64_t pid);
// A "Vm…" line of /proc/PID/status in KiB, for example "VmHWM".
int64_t statusKiB(int64_t pid, const QString& field);
} // namespace ProcFigures

// The lines that HANDWICK_FRAME_STATS makes the program append, summed.
struct FrameTotals {
    int ticks = 0;
    int paints = 0;
    double tickMicros = 0;
    double paintMicros = 0;
    double pixels = 0;

    // Reads the file from `offset` on, and moves `offset` past what it read.
    static FrameTotals read(const QString& path, int64_t& offset);
};
