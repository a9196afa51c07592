#include "ui/Icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <utility>

namespace {
// Beyond these an icon is a mistake, not a picture: refuse or cap it rather
// than allocate a huge bitmap.
constexpr double kMaxSize = 4096;
constexpr double kMaxRatio = 8;

struct IconFile {
    const char* symbol;
    const char* file; // under :/icons/
};

// Our symbol names on the left, the Lucide file drawn for each on the right.
constexpr IconFile kIcons[] = {
    {"smallcircle.filled.circle", "circle-dot"},
    {"pencil", "pencil"},
    {"highlighter", "highlighter"},
    {"arrow.up.right", "arrow-up-right"},
    {"rectangle", "rectangle-horizontal"},
    {"1.circle", "list-ordered"},
    {"light.max", "sun"},
    {"arrow.uturn.backward", "undo-2"},
    {"eraser", "eraser"},
    {"speaker.wave.2", "volume-2"},
    {"speaker.slash", "volume-off"},
    {"xmark", "x"},
    {"gearshape", "settings"},
    {"hand.raised", "hand"},
    {"paintbrush", "paintbrush"},
    {"info.circle", "info"},
    {"keyboard", "keyboard"},
    {"cursorarrow.rays", "mouse-pointer-click"},
    {"hand.tap", "pointer"},
    {"scribble", "line-squiggle"},
    {"arrow.uturn.backward.circle", "rotate-ccw"},
    {"menubar.arrow.up.rectangle", "panel-top"},
    {"escape", "square-arrow-out-up-left"},
    {"lock.open", "lock-open"},
};

// One renderer per icon, made on first use. The SVGs stroke in "currentColor";
// it is drawn black here and the colour is put on afterwards, so one renderer
// serves every colour.
QSvgRenderer* renderer(const QString& path) {
    static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    auto& slot = renderers[path];
    if (!slot) {
        QFile source(path);
        QByteArray svg = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
        svg.replace("currentColor", "#000000");
        slot = std::make_unique<QSvgRenderer>(svg);
    }
    return slot->isValid() ? slot.get() : nullptr;
}

} // namespace

QStringList Icons::names() {
    QStringList out;
    for (const auto& icon : kIcons)
        out << QString::fromLatin1(icon.symbol);
    return out;
}

QString Icons::file(const QString& symbol) {
    for (const auto& icon : kIcons)
        if (symbol == QLatin1String(icon.symbol))
            return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon.file));
    return {};
}

QPixmap Icons::pixmap(const QString& symbol, double size, const QColor& color,
                      double devicePixelRatio) {
    const double ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0
                             ? std::min(devicePixelRatio, kMaxRatio)
                             : 1.0;
    if (!std::isfinite(size) || size <= 0 || size > kMaxSize) return {};
    const QString path = file(symbol);
    if (path.isEmpty()) return {};

    const QString key = QStringLiteral("handwick-icon:%1:%2:%3:%4")
                            .arg(symbol)
                            .arg(size)
                            .arg(color.rgba(), 0, 16)
                            .arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) return cached;

    QSvgRenderer* svg = renderer(path);
    if (!svg) return {};
    const int pixels = std::max(1, int(std::lround(size * ratio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg->render(&painter, QRectF(0, 0, pixels, pixels));
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    image.setDevicePixelRatio(ratio);
    QPixmap out = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, out);
    return out;
}
