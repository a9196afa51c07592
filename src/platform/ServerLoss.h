#pragma once
// When the X server goes away (a logout takes it and the sound server
// together), Qt and Xlib end the process with exit(), which runs every exit
// handler while the audio and worker threads are still busy: some runs
// crashed there. Nothing of ours needs clean-up at exit (settings and the
// hand are on disk once written), so the process ends at once instead, with
// status 1 and the usual one line on standard error.
namespace ServerLoss {
// Call once the application object exists; does nothing off X11.
void endAtOnce();
} // namespace ServerLoss
