#include "prefs/HandSize.h"
#include "prefs/InkColor.h"
#include "prefs/Tool.h"

QString symbol(Tool tool) {
    switch (tool) {
    case Tool::pen:
        return QStringLiteral("pencil");
    case Tool::highlighter:
        return QStringLiteral("highlighter");
    case Tool::arrow:
        return QStringLiteral("arrow.up.right");
    case Tool::box:
        return QStringLiteral("rectangle");
    case Tool::steps:
        return QStringLiteral("1.circle");
    }
    return {};
}

int numberKey(Tool tool) {
    return static_cast<int>(tool) + 1;
}

QColor ns(InkColor color) {
    switch (color) {
    case InkColor::coral:
        return QColor::fromRgbF(1.0f, 0.33f, 0.36f);
    case InkColor::sun:
        return QColor::fromRgbF(1.0f, 0.78f, 0.1f);
    case InkColor::lime:
        return QColor::fromRgbF(0.36f, 0.85f, 0.3f);
    case InkColor::sky:
        return QColor::fromRgbF(0.18f, 0.62f, 1.0f);
    case InkColor::violet:
        return QColor::fromRgbF(0.62f, 0.4f, 1.0f);
    case InkColor::ink:
        return QColor::fromRgbF(0.1f, 0.1f, 0.12f);
    }
    return {};
}

double height(HandSize size) {
    switch (size) {
    case HandSize::small:
        return 84;
    case HandSize::medium:
        return 116;
    case HandSize::large:
        return 156;
    }
    return 116;
}
