#pragma once
// Per-frame cost figures for the overlay benchmark. When the environment
// variable HANDWICK_FRAME_STATS names a file, every motion tick and every
// overlay paint appends one line to it:
//     tick <thread CPU µs>
//     paint <thread CPU µs> <painted device pixels>
// Unset, the scopes below cost one well-predicted branch.

#include <QRegion>
#include <QString>
#include <cstdint>
#include <memory>

namespace FrameStats {

// CPU time used by the calling thread so far, in nanoseconds.
int64_t threadCpuNanos();

// Device pixels covered by `region` (in logical pixels) at `scale`.
int64_t pixelCount(const QRegion& region, double scale);

// One statistics file, opened for appending. Each record is written with a
// single write(2), so a killed program leaves whole lines behind.
class Log {
  public:
    explicit Log(const QString& path);
    ~Log();
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    void tick(int64_t cpuNanos);
    void paint(int64_t cpuNanos, int64_t pixels);

  private:
    void write(const char* line, int length);
    int m_fd = -1;
};

// The log named by HANDWICK_FRAME_STATS, or null when it is unset or cannot
// be opened (then one line on standard error says so).
std::unique_ptr<Log> fromEnvironment();

// Measures the enclosing motion tick into `log`, if there is one.
class TickScope {
  public:
    explicit TickScope(Log* log) : m_log(log), m_start(log ? threadCpuNanos() : 0) {}
    ~TickScope() {
        if (m_log) m_log->tick(threadCpuNanos() - m_start);
    }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

  private:
    Log* m_log;
    int64_t m_start;
};

// Measures the enclosing paint of `region` at `scale` device pixels per point,
// with what it cost on a worker thread.
class PaintScope {
  public:
    PaintScope(Log* log, const QRegion& region, double scale)
        : m_log(log), m_start(log ? threadCpuNanos() : 0), m_region(region), m_scale(scale) {}
    ~PaintScope() {
        if (m_log)
            m_log->paint(threadCpuNanos() - m_start + m_elsewhere, pixelCount(m_region, m_scale));
    }
    // CPU time the paint took on another thread.
    void addElsewhere(int64_t nanos) { m_elsewhere += nanos; }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

  private:
    Log* m_log;
    int64_t m_start;
    const QRegion& m_region;
    double m_scale;
    int64_t m_elsewhere = 0;
};

} // namespace FrameStats
