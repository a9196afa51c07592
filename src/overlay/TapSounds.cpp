#include "overlay/TapSounds.h"

#include "prefs/Prefs.h"
#include "common/SafeNumbers.h"
#include "sound/SoundBank.h"

namespace {
std::function<void(TapSound, double)>& replacement() {
    static std::function<void(TapSound, double)> player;
    return player;
}
} // namespace

namespace TapSounds {

void playChosen() {
    const Prefs& prefs = Prefs::shared();
    if (prefs.muted()) return;
    const double volume = SafeNumbers::volume(prefs.volume());
    if (replacement())
        replacement()(prefs.sound(), volume);
    else
        SoundBank::shared().play(prefs.sound(), volume);
}

void setPlayer(std::function<void(TapSound, double)> player) {
    replacement() = std::move(player);
}

} // namespace TapSounds
