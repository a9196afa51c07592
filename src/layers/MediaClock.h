#pragma once
#include <functional>

// The time base of every animation: seconds on a monotonic clock. Tests swap
// in a fake source so animation values can be checked at exact instants.
class MediaClock {
  public:
    // Seconds since an arbitrary fixed point; never 0 with the real clock.
    static double now();
    // Replaces the time source (nullptr restores the real clock).
    static void setSource(std::function<double()> source);
};
