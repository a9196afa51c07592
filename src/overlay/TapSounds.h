#pragma once
// The tap's sound: the chosen sound at the chosen volume, unless muted.

#include "sound/TapSound.h"

#include <functional>

namespace TapSounds {
void playChosen();

// Replaces what playing means (tests listen, benchmarks time the hand-off);
// nullptr plays through the shared sound bank again.
void setPlayer(std::function<void(TapSound, double volume)> player);
} // namespace TapSounds
