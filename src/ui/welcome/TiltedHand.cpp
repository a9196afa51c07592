#include "ui/welcome/TiltedHand.h"

#include "handart/HandPainter.h"
#include "handart/HandSkin.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

TiltedHand::TiltedHand(double height, double degrees, QWidget* parent)
    : QWidget(parent), m_height(height), m_degrees(degrees) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

const HandSprite& TiltedHand::sprite() {
    // Painted afresh only when the window moves to a screen of another density.
    const double ratio = std::max(1.0, devicePixelRatioF());
    if (ratio != m_spriteRatio) {
        m_sprite = HandPainter::render(HandSkin::classic(), m_height, std::max(2.0, ratio));
        m_spriteRatio = ratio;
    }
    return m_sprite;
}

// The space the upright picture takes: the tilt turns it about its centre, and
// the corners it swings out fall into the window's padding.
QSize TiltedHand::sizeHint() const {
    const QSizeF size = const_cast<TiltedHand*>(this)->sprite().size;
    return size.toSize();
}

void TiltedHand::paintEvent(QPaintEvent*) {
    const HandSprite& hand = sprite();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(m_degrees);
    const QRectF target(-hand.size.width() / 2, -hand.size.height() / 2, hand.size.width(),
                        hand.size.height());
    painter.drawImage(target, hand.image);
}
