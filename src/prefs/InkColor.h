#pragma once
#include "common/RawEnum.h"
#include <QColor>

enum class InkColor { coral, sun, lime, sky, violet, ink };

template <> struct RawEnumTraits<InkColor> {
    static constexpr const char* context = "InkColor";
    static constexpr std::array<RawEnumCase<InkColor>, 6> cases{{
        {InkColor::coral, "coral", QT_TRANSLATE_NOOP("InkColor", "Coral")},
        {InkColor::sun, "sun", QT_TRANSLATE_NOOP("InkColor", "Sun")},
        {InkColor::lime, "lime", QT_TRANSLATE_NOOP("InkColor", "Lime")},
        {InkColor::sky, "sky", QT_TRANSLATE_NOOP("InkColor", "Sky")},
        {InkColor::violet, "violet", QT_TRANSLATE_NOOP("InkColor", "Violet")},
        {InkColor::ink, "ink", QT_TRANSLATE_NOOP("InkColor", "Ink")},
    }};
};

// The sRGB colour of the ink, opaque.
QColor ns(InkColor color);
