#pragma once
#include "common/RawEnum.h"

enum class HandSize { small, medium, large };

template <> struct RawEnumTraits<HandSize> {
    static constexpr const char* context = "HandSize";
    static constexpr std::array<RawEnumCase<HandSize>, 3> cases{{
        {HandSize::small, "small", QT_TRANSLATE_NOOP("HandSize", "Small")},
        {HandSize::medium, "medium", QT_TRANSLATE_NOOP("HandSize", "Medium")},
        {HandSize::large, "large", QT_TRANSLATE_NOOP("HandSize", "Large")},
    }};
};

// The on-screen height of the hand sprite, in points.
double height(HandSize size);
