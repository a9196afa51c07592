// What a tap's sound costs the main thread, and how soon the samples reach the
// sound output. Without a sound server only the main-thread figures mean much.
#include "sound/SoundBank.h"
#include "Measure.h"
#include "sound/SinkVoices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {
// Runs the event loop until `done` or the time is up.
template <typename Done> bool waitFor(Done done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    return done();
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::atomic<int> handOffs{0};
    std::atomic<long long> lastHandOffNanos{0};
    auto factory = std::make_unique<SinkVoiceFactory>();
    SinkVoiceFactory* output = factory.get();
    output->setStartObserver([&](std::chrono::nanoseconds delay) {
        lastHandOffNanos = delay.count();
        ++handOffs;
    });
    SoundBank bank(std::move(factory));

    // First play of each sound: synthesis, encoding and four voices.
    std::vector<double> firsts;
    for (TapSound sound : allCases<TapSound>())
        firsts.push_back(Measure::medianMicros(1, [&] { bank.play(sound, 0.0); }));
    Measure::report("SoundBank::play, first play of a sound (median of 6)", median(firsts));
    Measure::report("SoundBank::play, first play of a sound (slowest of 6)",
                    *std::max_element(firsts.begin(), firsts.end()));

    // Let the audio thread open its streams before timing the repeats.
    const bool device = waitFor([&] { return handOffs >= 6; }, 3000);

    // Taps come at most every few milliseconds; time each one on its own.
    std::vector<double> repeats;
    const auto sounds = allCases<TapSound>();
    for (int i = 0; i < 120; ++i) {
        repeats.push_back(
            Measure::medianMicros(1, [&] { bank.play(sounds[std::size_t(i % 6)], 0.0); }));
        waitFor([] { return false; }, 5);
    }
    Measure::report("SoundBank::play, repeat play (median of 120)", median(repeats));
    Measure::report("SoundBank::play, repeat play (slowest of 120)",
                    *std::max_element(repeats.begin(), repeats.end()));

    if (!device) {
        std::printf("%-58s %13s\n", "play -> samples handed to the output", "no device");
        return 0;
    }
    std::vector<double> handOffMicros;
    for (int i = 0; i < 40; ++i) {
        const int before = handOffs;
        bank.play(TapSound::tick, 0.0);
        if (waitFor([&] { return handOffs > before; }, 1000))
            handOffMicros.push_back(lastHandOffNanos / 1000.0);
        waitFor([] { return false; }, 20);
    }
    Measure::report("play -> samples handed to the output (median of 40)", median(handOffMicros));
    output->shutDown();
    return 0;
}
