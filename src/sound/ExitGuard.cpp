#include "sound/ExitGuard.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {
void endWithoutLibraryCleanUp(int status, void*) {
    std::fflush(nullptr);
    std::_Exit(status);
}
} // namespace

void ExitGuard::skipLibraryCleanUp() {
    static std::once_flag once;
    // Exit handlers run in reverse order of registration, so this one, made
    // after the library's, runs first.
    std::call_once(once, [] { on_exit(endWithoutLibraryCleanUp, nullptr); });
}
