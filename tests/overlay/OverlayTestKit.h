#pragma once
// What the overlay tests share: settings in a private file, a view, and a
// tap recorder instead of the sound output.
#include "prefs/Prefs.h"

#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

struct PrivatePrefs {
    QTemporaryDir dir;
    Prefs prefs{dir.filePath(QStringLiteral("Handwick.ini"))};
};

struct TapRecorder {
    std::vector<std::pair<TapSound, double>> taps;
    auto player() {
        return [this](TapSound sound, double volume) { taps.emplace_back(sound, volume); };
    }
};
