#include "layers/MediaClock.h"

#include <chrono>

namespace {
std::function<double()>& source() {
    static std::function<double()> fake;
    return fake;
}
} // namespace

double MediaClock::now() {
    if (source()) return source()();
    // The steady clock counts from boot, so the value is never 0 (callers use
    // 0 for "no time yet").
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void MediaClock::setSource(std::function<double()> fake) {
    source() = std::move(fake);
}
