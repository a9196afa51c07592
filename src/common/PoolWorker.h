#pragma once
// Qt's raster engine hands the rows of every larger fill to the workers of
// its global thread pool and waits for them, unless it already runs on one of
// them. For areas the size of a hand that costs far more in hand-offs than it
// saves, so a frame is painted on one worker, in one go.

#include <QSemaphore>
#include <QThreadPool>

namespace PoolWorker {
// Runs `work` on a worker of the global pool and waits for it; when every
// worker is busy (a photo being cut out), runs it here instead.
template <typename Work> void run(Work&& work) {
    QSemaphore done;
    if (!QThreadPool::globalInstance()->tryStart([&] {
            work();
            done.release();
        })) {
        work();
        return;
    }
    done.acquire();
}
} // namespace PoolWorker
