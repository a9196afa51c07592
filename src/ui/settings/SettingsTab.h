#pragma once
#include "common/RawEnum.h"

// The settings window's tabs, in the order they are shown.
enum class SettingsTab { general, hands, drawing, about };

template <> struct RawEnumTraits<SettingsTab> {
    static constexpr const char* context = "SettingsTab";
    static constexpr std::array<RawEnumCase<SettingsTab>, 4> cases{{
        {SettingsTab::general, "general", QT_TRANSLATE_NOOP("SettingsTab", "General")},
        {SettingsTab::hands, "hands", QT_TRANSLATE_NOOP("SettingsTab", "Hands")},
        {SettingsTab::drawing, "drawing", QT_TRANSLATE_NOOP("SettingsTab", "Drawing")},
        {SettingsTab::about, "about", QT_TRANSLATE_NOOP("SettingsTab", "About")},
    }};
};
