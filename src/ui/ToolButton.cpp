#include "ui/ToolButton.h"
#include "common/Shadow.h"
#include "ui/Icons.h"
#include "ui/Surface.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
// Lucide draws inside a 2-unit margin of its 24-unit box, so the box of a
// 14-point symbol is 14 × 24/20 points.
constexpr double kSymbolBox = 14.0 * 24.0 / 20.0;
constexpr double kPlateRadius = 9;
constexpr double kPressedScale = 0.92;
constexpr double kDisabledOpacity = 0.35;

constexpr double kDotDiameter = 16;
constexpr double kRingWidth = 2.5;
constexpr double kShadowBlur = 1;
constexpr double kShadowDrop = 0.5;
constexpr double kFaintContrast = 0.25;

} // namespace

ToolButton::ToolButton(QWidget* parent) : QAbstractButton(parent) {
    setFixedSize(kSize);
    setFocusPolicy(Qt::NoFocus);
}

void ToolButton::setSymbol(const QString& symbol) {
    if (symbol == m_symbol && m_picture.isNull()) return;
    m_symbol = symbol;
    m_picture = {};
    update();
}

void ToolButton::setPicture(const QImage& picture) {
    m_symbol.clear();
    m_picture = picture;
    update();
}

void ToolButton::setActive(bool active) {
    if (active == m_active) return;
    m_active = active;
    update();
}

void ToolButton::setTint(const QColor& tint) {
    if (tint == m_tint) return;
    m_tint = tint;
    if (m_active) update();
}

QColor ToolButton::tint() const {
    return m_tint.isValid() ? m_tint : palette().color(QPalette::Highlight);
}

void ToolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);

    const QRectF area = rect();
    if (isDown()) {
        painter.translate(area.center());
        painter.scale(kPressedScale, kPressedScale);
        painter.translate(-area.center());
    }

    const QColor text = palette().color(QPalette::WindowText);
    QPainterPath plate;
    plate.addRoundedRect(area, kPlateRadius, kPlateRadius);
    if (m_active)
        painter.fillPath(plate, tint());
    else if (isDown())
        painter.fillPath(plate, Surface::withAlpha(text, 0.12));

    if (!m_picture.isNull()) {
        const QSizeF size = m_picture.deviceIndependentSize();
        painter.drawImage(QRectF(area.center() - QPointF(size.width(), size.height()) / 2, size),
                          m_picture);
    } else if (!m_symbol.isEmpty()) {
        const QColor ink = m_active ? QColor(Qt::white) : text;
        const double ratio = devicePixelRatioF();
        const QPixmap icon = Icons::pixmap(m_symbol, kSymbolBox, ink, ratio);
        // The icon's pixels land on whole device pixels only from a whole-pixel corner.
        const QPointF corner(std::round((area.width() - kSymbolBox) / 2 * ratio) / ratio,
                             std::round((area.height() - kSymbolBox) / 2 * ratio) / ratio);
        painter.drawPixmap(corner, icon);
    }
}

SwatchButton::SwatchButton(const QColor& color, QWidget* parent)
    : QAbstractButton(parent), m_color(color) {
    setFixedSize(kSize);
    setFocusPolicy(Qt::NoFocus);
}

void SwatchButton::setChosen(bool chosen) {
    if (chosen == m_chosen) return;
    m_chosen = chosen;
    update();
}

void SwatchButton::paintEvent(QPaintEvent*) {
    const double ratio = devicePixelRatioF();
    const QRectF dot(QPointF(width() - kDotDiameter, height() - kDotDiameter) / 2,
                     QSizeF(kDotDiameter, kDotDiameter));
    if (m_shadow.isNull() || m_shadow.devicePixelRatio() != ratio) {
        // The shadow's bitmap covers the whole button: the blur reaches 1 point past the dot.
        QImage body(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        body.fill(Qt::transparent);
        QPainter shape(&body);
        shape.setRenderHint(QPainter::Antialiasing);
        shape.scale(ratio, ratio);
        shape.setPen(Qt::NoPen);
        shape.setBrush(Qt::black);
        shape.drawEllipse(dot);
        shape.end();
        m_shadow = Shadow::cast(body, kShadowBlur * ratio, QPointF(0, kShadowDrop * ratio),
                                QColor::fromRgbF(0, 0, 0, 0.25f));
        m_shadow.setDevicePixelRatio(ratio);
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    if (isDown()) {
        painter.translate(dot.center());
        painter.scale(kPressedScale, kPressedScale);
        painter.translate(-dot.center());
    }
    painter.drawImage(QPointF(0, 0), m_shadow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawEllipse(dot);
    const QColor window = palette().color(QPalette::Window);
    const bool lightWindow = window.lightnessF() > 0.5;
    if (std::abs(m_color.lightnessF() - window.lightnessF()) < kFaintContrast ||
        (m_chosen && lightWindow)) {
        // A dot about as light as the toolbar (the dark ink on a dark theme)
        // would vanish, and so would the white ring on a light one; a faint
        // edge keeps either visible.
        painter.setPen(QPen(Surface::withAlpha(palette().color(QPalette::WindowText), 0.35), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(dot.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (m_chosen) {
        // The ring lies inside the dot's edge, so the dot keeps its size.
        const double inset = kRingWidth / 2;
        painter.setPen(QPen(Surface::withAlpha(Qt::white, 0.9), kRingWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(dot.adjusted(inset, inset, -inset, -inset));
    }
}
