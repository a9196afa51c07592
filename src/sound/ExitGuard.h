#pragma once

// The sound library's own clean-up at exit aborts when another thread is still
// inside it, which happens when the process ends abruptly (Qt exits at once
// when the X server goes away) or with the audio thread stuck in the server.
// Nothing of ours needs clean-up at exit: settings are on disk the moment they
// are set and the custom hand is saved atomically. So once the sound library
// is in use, the process ends without library clean-up, keeping its status.
namespace ExitGuard {
// Idempotent; call after the sound library has set itself up, so that this
// runs before the library's own exit handlers.
void skipLibraryCleanUp();
} // namespace ExitGuard
