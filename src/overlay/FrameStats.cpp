#include "overlay/FrameStats.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace FrameStats {

int64_t threadCpuNanos() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

int64_t pixelCount(const QRegion& region, double scale) {
    int64_t logical = 0;
    for (const QRect& r : region)
        logical += int64_t(r.width()) * r.height();
    return int64_t(double(logical) * scale * scale + 0.5);
}

Log::Log(const QString& path) {
    const QByteArray name = path.toLocal8Bit();
    if (!name.isEmpty())
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

Log::~Log() {
    if (m_fd >= 0) ::close(m_fd);
}

void Log::tick(int64_t cpuNanos) {
    char line[64];
    const int n = std::snprintf(line, sizeof line, "tick %.1f\n", double(cpuNanos) / 1000.0);
    write(line, n);
}

void Log::paint(int64_t cpuNanos, int64_t pixels) {
    char line[80];
    const int n = std::snprintf(line, sizeof line, "paint %.1f %lld\n", double(cpuNanos) / 1000.0,
                                static_cast<long long>(pixels));
    write(line, n);
}

void Log::write(const char* line, int length) {
    if (m_fd < 0 || length <= 0) return;
    // A failed write (full disk) only loses figures, never the program.
    [[maybe_unused]] const ssize_t written = ::write(m_fd, line, size_t(length));
}

std::unique_ptr<Log> fromEnvironment() {
    const char* path = std::getenv("HANDWICK_FRAME_STATS");
    if (!path || !*path) return nullptr;
    auto opened = std::make_unique<Log>(QString::fromLocal8Bit(path));
    if (opened->isOpen()) return opened;
    std::fprintf(stderr, "handwick: cannot write frame statistics to %s: %s\n", path,
                 std::strerror(errno));
    return nullptr;
}

} // namespace FrameStats
