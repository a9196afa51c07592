#pragma once
// Work that may need far more memory than its input lets us foresee, done in
// a forked copy of this process whose data memory is capped: whatever the
// work allocates, this process does not, and the worst it can do is fail.
// The child hands its result back through a pipe, read here with hard bounds.

#include <QtGlobal>
#include <chrono>
#include <sys/types.h>

class CappedChild {
  public:
    // The child may use `budgetBytes` more than it holds once forked, and must
    // be done within `timeout`. It calls `work(fd, context)` with the pipe's
    // write end and exits with 0 when that returns true. As the child is a
    // copy of a multithreaded process, `work` must not touch Qt, stdio or any
    // lock another thread may have held; plain libraries and write() will do.
    CappedChild(qint64 budgetBytes, std::chrono::milliseconds timeout,
                bool (*work)(int fd, const void* context), const void* context);
    // Kills and reaps a child still running.
    ~CappedChild();
    CappedChild(const CappedChild&) = delete;
    CappedChild& operator=(const CappedChild&) = delete;

    bool started() const { return m_pid > 0; }
    // Exactly `size` bytes of what the child wrote; false on a short write,
    // once the child has gone, or past the timeout.
    bool read(void* into, qint64 size);
    // Whether the child exited with 0; waits for it until the timeout.
    bool finishedWell();

  private:
    bool waitReadable();
    void kill();

    pid_t m_pid = -1;
    int m_fd = -1;
    std::chrono::steady_clock::time_point m_deadline;
};
