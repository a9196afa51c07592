// The real program in a private X session at 1920 x 1080 and 3840 x 2160:
// start-up time, the cost of each frame while the mouse moves, and what a
// still pointer and a switched-off one cost (they should cost nothing).
//
// Without arguments it starts one session per screen size (session.sh) and
// runs itself inside each with --inside; that half does the measuring.
#include "HandwickProcess.h"
#include "XProbe.h"
#include "overlay_proc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {
constexpr int movingMs = 4000;
constexpr int idleMs = 3000;
constexpr int mouseStepMs = 8;     // a 125 Hz mouse
constexpr double mouseSpeed = 900; // points per second, back and forth

void row(const char* label, double value, const char* unit, int decimals = 2) {
    std::printf("  %-56s %10.*f %s\n", label, decimals, value, unit);
    std::fflush(stdout);
}

void sleepMs(int ms) {
    QThread::msleep(ulong(ms));
}

bool waitFor(const std::function<bool()>& check, int ms, int pollMs = 5) {
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > ms) return false;
        sleepMs(pollMs);
    }
    return true;
}

void press(const QString& keys) {
    QProcess::execute(QStringLiteral("xdotool"), {"key", keys});
}

// Waits until the program has drawn no frame for a tenth of a second; returns
// how long frames went on, in milliseconds.
double waitForQuiet(const QString& statsPath, int64_t& offset) {
    constexpr int quietMs = 100;
    QElapsedTimer timer;
    timer.start();
    double lastFrameMs = 0;
    while (timer.elapsed() < 10000) {
        const double before = timer.elapsed();
        sleepMs(quietMs);
        if (FrameTotals::read(statsPath, offset).ticks == 0) break;
        lastFrameMs = before + quietMs;
    }
    return lastFrameMs;
}

// CPU use and wake-ups of `pid` over `ms` milliseconds of doing nothing.
struct Idle {
    double cpuPercent = 0;
    double wakeupsPerSecond = 0;
};
Idle measureIdle(int64_t pid, int ms) {
    const double cpu0 = ProcFigures::cpuSeconds(pid);
    const int64_t switches0 = ProcFigures::contextSwitches(pid);
    sleepMs(ms);
    Idle idle;
    idle.cpuPercent = 100 * (ProcFigures::cpuSeconds(pid) - cpu0) / (ms / 1000.0);
    idle.wakeupsPerSecond = double(ProcFigures::contextSwitches(pid) - switches0) / (ms / 1000.0);
    return idle;
}

// Sweeps the mouse steadily left and right across the middle of the screen.
void moveSteadily(XProbe& x, int ms) {
    const QSize screen = x.screenSize();
    const double left = screen.width() * 0.2, span = screen.width() * 0.6;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        const double travelled = mouseSpeed * timer.elapsed() / 1000.0;
        const double phase = std::fmod(travelled, 2 * span);
        const double along = phase < span ? phase : 2 * span - phase;
        const double y = screen.height() * (0.45 + 0.05 * std::sin(travelled / 150.0));
        x.warpMouse(QPoint(int(left + along), int(y)));
        sleepMs(mouseStepMs);
    }
}

int measureInside() {
    XProbe x;
    QTemporaryDir dir;
    if (!x.isConnected() || !dir.isValid()) {
        std::fprintf(stderr, "bench_overlay: no display or no temporary folder\n");
        return 1;
    }
    const QString statsPath = dir.filePath(QStringLiteral("frames.txt"));
    QProcessEnvironment env;
    env.insert(QStringLiteral("HANDWICK_FRAME_STATS"), statsPath);
    const QString scale = qEnvironmentVariable("HANDWICK_BENCH_SCALE", QStringLiteral("1"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    HandwickProcess app(env);
    const QSize screen = x.screenSize();
    std::printf("== overlay at %dx%d, scale %s\n", screen.width(), screen.height(),
                qPrintable(scale));
    x.warpMouse(QPoint(screen.width() / 3, screen.height() / 3));

    QElapsedTimer startup;
    startup.start();
    if (!app.start()) {
        std::fprintf(stderr, "bench_overlay: %s\n", qPrintable(app.errorString()));
        return 1;
    }
    const int64_t pid = app.pid();
    if (!waitFor([&] { return x.trayIconOf(pid).has_value(); }, 10000)) {
        std::fprintf(stderr, "bench_overlay: no tray icon appeared\n%s\n",
                     qPrintable(app.output()));
        return 1;
    }
    row("start-up until the tray icon shows", startup.nsecsElapsed() / 1e6, "ms", 1);

    sleepMs(1000); // let start-up work finish
    const Idle off = measureIdle(pid, idleMs);

    int64_t offset = 0;
    press(QStringLiteral("ctrl+alt+h"));
    if (!waitFor([&] { return !x.overlaysOf(pid).isEmpty(); }, 5000)) {
        std::fprintf(stderr, "bench_overlay: the pointer did not turn on\n");
        return 1;
    }
    const double settleOn = waitForQuiet(statsPath, offset);

    const double cpuBefore = ProcFigures::cpuSeconds(pid);
    QElapsedTimer moving;
    moving.start();
    moveSteadily(x, movingMs);
    const double seconds = moving.nsecsElapsed() / 1e9;
    const double programCpu = ProcFigures::cpuSeconds(pid) - cpuBefore;
    const FrameTotals m = FrameTotals::read(statsPath, offset);
    const int frames = std::max(m.ticks, 1);
    row("moving: frames per second", m.ticks / seconds, "fps", 1);
    row("moving: tick CPU per frame", m.tickMicros / frames, "us", 1);
    row("moving: paint CPU per frame", m.paintMicros / frames, "us", 1);
    row("moving: tick + paint CPU per frame", (m.tickMicros + m.paintMicros) / frames, "us", 1);
    row("moving: whole-program CPU per frame (all threads)", 1e6 * programCpu / frames, "us", 0);
    row("moving: painted pixels per frame", m.pixels / frames, "px", 0);

    // The sway settles after the mouse stops; then nothing may be painted.
    row("settling after turning on (to within 0.1 s)", settleOn, "ms", 0);
    row("settling after the mouse stops (to within 0.1 s)", waitForQuiet(statsPath, offset), "ms",
        0);
    const Idle still = measureIdle(pid, idleMs);
    const FrameTotals s = FrameTotals::read(statsPath, offset);
    row("still, pointer on: frames painted in 3 s", s.paints, "", 0);
    row("still, pointer on: CPU use", still.cpuPercent, "%");
    row("still, pointer on: wake-ups per second (all threads)", still.wakeupsPerSecond, "/s", 1);

    press(QStringLiteral("ctrl+alt+h"));
    waitFor([&] { return x.overlaysOf(pid).isEmpty(); }, 5000);
    sleepMs(500);
    const Idle offAgain = measureIdle(pid, idleMs);
    row("off (before first use): CPU use", off.cpuPercent, "%");
    row("off (before first use): wake-ups per second", off.wakeupsPerSecond, "/s", 1);
    row("off (after use): CPU use", offAgain.cpuPercent, "%");
    row("off (after use): wake-ups per second", offAgain.wakeupsPerSecond, "/s", 1);
    row("peak memory (VmHWM)", ProcFigures::statusKiB(pid, QStringLiteral("VmHWM")) / 1024.0, "MiB",
        1);
    app.stop();
    return 0;
}

// Runs this program with --inside in a session of `size`.
int measureInSession(const QString& size, const QString& scale) {
    QProcess session;
    session.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("HANDWICK_BIN")))
        env.insert(QStringLiteral("HANDWICK_BIN"), QStringLiteral(HANDWICK_PROGRAM));
    env.insert(QStringLiteral("HANDWICK_E2E_TOOLS"), QStringLiteral(HANDWICK_E2E_TOOLS_DIR));
    env.insert(QStringLiteral("HANDWICK_BENCH_SCALE"), scale);
    session.setProcessEnvironment(env);
    session.start(QStringLiteral("bash"),
                  {QStringLiteral(HANDWICK_SESSION_SCRIPT), QStringLiteral("--size"), size,
                   QStringLiteral("--"), QCoreApplication::applicationFilePath(),
                   QStringLiteral("--inside")});
    session.waitForFinished(-1);
    if (session.exitCode() == 77)
        std::printf("== overlay at %s: skipped, no Xvfb\n", qPrintable(size));
    return session.exitCode() == 77 ? 0 : session.exitCode();
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--inside"))) return measureInside();
    int status = 0;
    status |= measureInSession(QStringLiteral("1920x1080"), QStringLiteral("1"));
    status |= measureInSession(QStringLiteral("3840x2160"), QStringLiteral("1"));
    status |= measureInSession(QStringLiteral("3840x2160"), QStringLiteral("2"));
    return status;
}
