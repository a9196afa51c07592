#include "handart/PhotoSprite.h"
#include "common/Shadow.h"
#include "handart/HandSkin.h"
#include "handart/photo/Landmarks.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr double kMaxPixels = 16384;
constexpr double kShadowAlpha = 0.3;
constexpr double kShadowDrop = 2; // points, downward
constexpr double kShadowBlur = 5; // points
} // namespace

std::optional<HandSprite> PhotoSprite::make(const QImage& cutOut, double height, double scale) {
    if (cutOut.isNull() || !(height > 0) || !(scale > 0)) return std::nullopt;
    const double k = height / cutOut.height();
    const double width = std::trunc(k * cutOut.width() * scale);
    const double tall = std::trunc(height * scale);
    if (!(width >= 1 && tall >= 1 && width <= kMaxPixels && tall <= kMaxPixels))
        return std::nullopt;

    const QImage drawn =
        cutOut.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(int(width), int(tall), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image = Shadow::cast(drawn, kShadowBlur * scale, QPointF(0, kShadowDrop * scale),
                                QColor::fromRgbF(0, 0, 0, float(kShadowAlpha)));
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, drawn);
    }
    image.setDevicePixelRatio(scale);

    const Landmarks marks = Landmarks::find(cutOut);
    return HandSprite{image, QSizeF(k * cutOut.width(), height), marks.tip * k, marks.wrist * k,
                      HandSkin::wood.toColor()};
}
