#pragma once
// A settings file may hold any double. Numbers that become geometry, time or
// loudness go through these (Prefs' getters do), so that NaN, infinities and
// absurd magnitudes can never make anything hang, crash or allocate without bound.

#include <algorithm>
#include <cmath>

namespace SafeNumbers {
// A finite value inside [low, high]; NaN gives `fallback`, ±inf the nearer end.
inline double clamped(double value, double low, double high, double fallback) {
    if (std::isnan(value)) return fallback;
    return std::clamp(value, low, high);
}

// Below the smallest width the settings offer, ink would be invisible.
inline double penWidth(double stored) {
    return clamped(stored, 2.0, 200.0, 5.0);
}
inline double volume(double stored) {
    return clamped(stored, 0.0, 1.0, 0.6);
}
// Below the smallest size the settings offer, the spotlight would only dim.
inline double spotlightRadius(double stored) {
    return clamped(stored, 80.0, 10000.0, 150.0);
}
// Seconds until ink fades; 0 (or anything not positive) means never.
inline double fadeAfter(double stored) {
    return clamped(stored, 0.0, 24.0 * 3600.0, 0.0);
}
} // namespace SafeNumbers
