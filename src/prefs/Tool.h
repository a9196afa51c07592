#pragma once
#include "common/RawEnum.h"

enum class Tool { pen, highlighter, arrow, box, steps };

template <> struct RawEnumTraits<Tool> {
    static constexpr const char* context = "Tool";
    static constexpr std::array<RawEnumCase<Tool>, 5> cases{{
        {Tool::pen, "pen", QT_TRANSLATE_NOOP("Tool", "Pen")},
        {Tool::highlighter, "highlighter", QT_TRANSLATE_NOOP("Tool", "Highlighter")},
        {Tool::arrow, "arrow", QT_TRANSLATE_NOOP("Tool", "Arrow")},
        {Tool::box, "box", QT_TRANSLATE_NOOP("Tool", "Box")},
        {Tool::steps, "steps", QT_TRANSLATE_NOOP("Tool", "Steps")},
    }};
};

// The icon name shown for the tool by the toolbar and the drawing settings.
QString symbol(Tool tool);
// The digit key (1…5) that picks the tool on the overlay.
int numberKey(Tool tool);
