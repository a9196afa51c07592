#include "platform/x11/GrabModifiers.h"

#include <algorithm>

namespace GrabModifiers {

std::vector<uint16_t> withLocks(uint16_t base, const std::vector<uint16_t>& locks) {
    std::vector<uint16_t> usable;
    uint16_t taken = base;
    for (const uint16_t lock : locks) {
        if (lock == 0 || (lock & taken) != 0) continue;
        usable.push_back(lock);
        taken |= lock;
    }
    std::vector<uint16_t> combinations;
    const unsigned count = 1u << usable.size();
    for (unsigned subset = 0; subset < count; ++subset) {
        uint16_t mods = base;
        for (std::size_t bit = 0; bit < usable.size(); ++bit)
            if (subset & (1u << bit)) mods |= usable[bit];
        combinations.push_back(mods);
    }
    return combinations;
}

uint16_t maskHolding(const std::vector<uint8_t>& modifierMap, int perModifier,
                     const std::vector<uint8_t>& keycodes) {
    if (perModifier <= 0) return 0;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int slot = 0; slot < perModifier; ++slot) {
            const std::size_t at = std::size_t(modifier * perModifier + slot);
            if (at >= modifierMap.size()) return 0;
            const uint8_t code = modifierMap[at];
            if (code != 0 && std::find(keycodes.begin(), keycodes.end(), code) != keycodes.end())
                return uint16_t(1u << modifier);
        }
    }
    return 0;
}

} // namespace GrabModifiers
