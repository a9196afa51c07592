#include "handart/photo/CappedChild.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string_view>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {
// The private writable memory the process holds ("VmData:" in
// /proc/self/status, which is what RLIMIT_DATA caps), in bytes; -1 when
// unknown. Only open(), read() and plain parsing, so it is safe after fork().
qint64 heldDataBytes() {
    const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    char text[8192];
    size_t length = 0;
    while (length < sizeof text) {
        const ssize_t got = ::read(fd, text + length, sizeof text - length);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        length += size_t(got);
    }
    close(fd);
    const std::string_view status(text, length);
    const std::string_view key = "\nVmData:";
    const size_t at = status.find(key);
    if (at == std::string_view::npos) return -1;
    qint64 kilobytes = -1;
    for (size_t i = at + key.size(); i < status.size(); ++i) {
        const char c = status[i];
        if (c >= '0' && c <= '9')
            kilobytes = std::max<qint64>(kilobytes, 0) * 10 + (c - '0');
        else if (kilobytes >= 0 || c == '\n')
            break;
    }
    return kilobytes < 0 ? -1 : kilobytes * 1024;
}

[[noreturn]] void runChild(int fd, qint64 budgetBytes, bool (*work)(int, const void*),
                           const void* context) {
    const qint64 held = heldDataBytes();
    rlimit data{};
    if (held < 0 || getrlimit(RLIMIT_DATA, &data) != 0) _exit(2);
    const rlim_t cap = rlim_t(held + budgetBytes);
    data.rlim_cur = data.rlim_max == RLIM_INFINITY ? cap : std::min(cap, data.rlim_max);
    if (setrlimit(RLIMIT_DATA, &data) != 0) _exit(2);
    // A child that runs out of memory dies as intended: nothing worth a core
    // dump, nor a message on the program's output.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    prctl(PR_SET_DUMPABLE, 0);
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull >= 0) dup2(devNull, STDERR_FILENO);
    _exit(work(fd, context) ? 0 : 1);
}

} // namespace

CappedChild::CappedChild(qint64 budgetBytes, std::chrono::milliseconds timeout,
                         bool (*work)(int fd, const void* context), const void* context)
    : m_deadline(std::chrono::steady_clock::now() + timeout) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        runChild(fds[1], budgetBytes, work, context);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return;
    }
    m_pid = pid;
    m_fd = fds[0];
}

CappedChild::~CappedChild() {
    kill();
    if (m_fd >= 0) close(m_fd);
}

void CappedChild::kill() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGKILL);
    while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
}

bool CappedChild::waitReadable() {
    using namespace std::chrono;
    for (;;) {
        const auto left = duration_cast<milliseconds>(m_deadline - steady_clock::now()).count();
        if (left <= 0) return false;
        pollfd ready{m_fd, POLLIN, 0};
        const int count = poll(&ready, 1, int(std::min<qint64>(left, INT_MAX)));
        if (count > 0) return true; // data, or the end: read() tells which
        if (count < 0 && errno != EINTR) return false;
    }
}

bool CappedChild::read(void* into, qint64 size) {
    if (m_fd < 0) return false;
    auto* at = static_cast<char*>(into);
    while (size > 0) {
        if (!waitReadable()) return false;
        const ssize_t got = ::read(m_fd, at, size_t(std::min<qint64>(size, 1 << 20)));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        at += got;
        size -= got;
    }
    return true;
}

bool CappedChild::finishedWell() {
    // Waits for the exit, not for the end of the pipe: a child forked by
    // another thread meanwhile may hold the pipe open too.
    while (m_pid > 0 && std::chrono::steady_clock::now() < m_deadline) {
        int status = 0;
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == 0 || (done < 0 && errno == EINTR)) {
            const timespec pause{0, 1'000'000};
            nanosleep(&pause, nullptr);
            continue;
        }
        m_pid = -1;
        return done > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return false;
}
