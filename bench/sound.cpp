// Tap-sound synthesis and ink path building: the two per-event costs that are
// pure computation.
#include "Measure.h"
#include "overlay/Ink.h"
#include "sound/TapSound.h"

#include <cmath>

int main() {
    qsizetype bytes = 0;
    const double synth = Measure::medianMicros(50, [&] {
        for (TapSound sound : allCases<TapSound>())
            bytes += TapSynth::wav(TapSynth::samples(sound)).size();
    });
    Measure::report("all six tap sounds: samples + wav", synth);

    std::vector<QPointF> stroke;
    stroke.reserve(10000);
    for (int i = 0; i < 10000; ++i)
        stroke.emplace_back(100 + i * 0.15, 400 + 120 * std::sin(i * 0.01));
    int elements = 0;
    const double ink = Measure::medianMicros(
        50, [&] { elements += Ink::path(Tool::pen, stroke, false, 5).elementCount(); });
    Measure::report("Ink::path, pen stroke of 10,000 points", ink);
    return bytes > 0 && elements > 0 ? 0 : 1;
}
