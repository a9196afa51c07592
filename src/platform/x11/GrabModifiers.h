#pragma once
// Which modifier masks a key grab must cover. X matches a grab's modifiers
// exactly, so Num Lock or Caps Lock being on would otherwise hide the key.

#include <cstdint>
#include <vector>

namespace GrabModifiers {

// The desktop's modifier layout, read from its modifier map.
struct Masks {
    uint16_t alt = 0;
    uint16_t numLock = 0;
    uint16_t scrollLock = 0;
};

// Every combination of `base` with any subset of the lock masks, each once.
// Zero masks, and masks that overlap `base` or an earlier lock, are skipped.
std::vector<uint16_t> withLocks(uint16_t base, const std::vector<uint16_t>& locks);

// The mask of the first modifier (of eight, `perModifier` key codes each in
// `modifierMap`) that holds one of `keycodes`; 0 when none does.
uint16_t maskHolding(const std::vector<uint8_t>& modifierMap, int perModifier,
                     const std::vector<uint8_t>& keycodes);

} // namespace GrabModifiers
