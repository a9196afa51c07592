#include "ui/Surface.h"
#include "common/Shadow.h"

#include <QPainter>

void Surface::paint(QPainter& painter, const Outline& outline, const QPalette& palette,
                    double fillAlpha) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette.color(QPalette::Window);
    fill.setAlphaF(float(fillAlpha));
    painter.fillPath(outline(0), fill);
    painter.setBrush(Qt::NoBrush);
    // Hairlines centred half a point inside the edge cover whole pixels at scale 1.
    painter.setPen(QPen(QColor::fromRgbF(0, 0, 0, 0.16f), 1));
    painter.drawPath(outline(0.5));
    painter.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.22f), 1));
    painter.drawPath(outline(1.5));
    painter.restore();
}

QImage Surface::shadow(const QPainterPath& outline, QSize size, double ratio) {
    constexpr double kBlur = 10;
    constexpr double kDrop = 4;
    QImage body(size * ratio, QImage::Format_ARGB32_Premultiplied);
    body.fill(Qt::transparent);
    {
        QPainter painter(&body);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ratio, ratio);
        painter.fillPath(outline, Qt::black);
    }
    QImage out = Shadow::cast(body, kBlur * ratio, QPointF(0, kDrop * ratio),
                              QColor::fromRgbF(0, 0, 0, 0.18f));
    out.setDevicePixelRatio(ratio);
    return out;
}
