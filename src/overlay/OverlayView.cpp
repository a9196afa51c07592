#include "overlay/OverlayView.h"
#include "layers/BarLayer.h"

#include <QtMath>
#include <cmath>

namespace {
// The per-frame motion sets these every tick; an implicit animation would
// make the hand lag behind the mouse.
const QStringList kInstantKeys{"position", "bounds",   "transform", "path",
                               "hidden",   "contents", "opacity",   "frame"};

QColor blendTowardsBlack(const QColor& c, double fraction) {
    if (!c.isValid()) return {};
    const double keep = 1 - fraction;
    return QColor::fromRgbF(float(c.redF() * keep), float(c.greenF() * keep),
                            float(c.blueF() * keep), c.alphaF());
}
} // namespace

OverlayView::OverlayView(QSizeF size, double scale)
    : root(Layer::make()), dim(ShapeLayer::make()), ink(Layer::make()), arm(Layer::make()),
      stick(BarLayer::make()), hand(Layer::make()), laser(Layer::make()), trail(ShapeLayer::make()),
      effects(Layer::make()), m_scale(scale) {
    const QRectF bounds(QPointF(0, 0), size);
    root->setBounds(bounds);
    root->setPosition(bounds.center());
    root->setMasksToBounds(true);

    for (const LayerPtr& layer :
         {LayerPtr(dim), ink, arm, stick, hand, laser, LayerPtr(trail), effects})
        layer->disableImplicitAnimations(kInstantKeys);

    dim->setFillRule(Qt::OddEvenFill);
    dim->setFillColor(QColor::fromRgbF(0, 0, 0, 0.62f));
    dim->setHidden(true);

    for (const LayerPtr& layer : {LayerPtr(dim), ink, arm, LayerPtr(trail), laser, effects}) {
        layer->setFrame(bounds);
        root->addSublayer(layer);
    }

    arm->setFrame(QRectF());
    arm->addSublayer(stick);
    arm->addSublayer(hand);

    stick->setAnchorPoint({0.5, 1.0});
    stick->setCornerRadius(4.5);
    stick->setBorderWidth(1.5);

    trail->setFillColor(QColor());
    trail->setLineCap(Qt::RoundCap);
    trail->setLineJoin(Qt::RoundJoin);
    QColor red(Qt::red);
    red.setAlphaF(0.35f);
    trail->setStrokeColor(red);
    trail->setLineWidth(7);

    laser->setBounds({0, 0, 16, 16});
    laser->setCornerRadius(8);
    laser->setBackgroundColor(QColor::fromRgbF(1.0f, 0.16f, 0.2f, 1.0f));
    laser->setBorderColor(QColor::fromRgbF(1, 1, 1, 0.85f));
    laser->setBorderWidth(2);
    laser->setShadowColor(Qt::red);
    laser->setShadowOpacity(1);
    laser->setShadowRadius(10);
    laser->setShadowOffset({0, 0});
    laser->setHidden(true);

    trail->setHidden(true);
    arm->setHidden(true);
}

void OverlayView::use(const HandSprite& sprite, const QString& id, double height) {
    m_spriteID = id;
    m_spriteHeight = height;
    m_sprite = sprite;

    const double w = sprite.size.width(), h = sprite.size.height();
    const double tx = sprite.tip.x(), ty = sprite.tip.y();
    const double wx = sprite.wrist.x(), wy = sprite.wrist.y();
    if (!(w > 0 && h > 0)) return; // nothing sensible to show

    // The arm's anchor is the fingertip, converted to y up: placing the arm
    // places the fingertip, and rotating it turns everything round the tip.
    arm->setBounds({0, 0, w, h});
    arm->setAnchorPoint({tx / w, 1 - ty / h});

    hand->setFrame(arm->bounds());
    hand->setContents(sprite.image);
    hand->setContentsScale(m_scale);

    // The stick leaves the hand along the line from the fingertip through the
    // wrist; its top starts a tenth of the hand's height inside the hand.
    const double dx = wx - tx, dy = wy - ty;
    const double len = std::hypot(dx, dy);
    const double ux = len > 0 ? dx / len : 0, uy = len > 0 ? dy / len : 1;
    const double sw = std::max(0.075 * h, 6.0);
    stick->setBounds({0, 0, sw, 5000});
    stick->setCornerRadius(sw / 2);
    stick->setPosition({wx - 0.1 * h * ux, (h - wy) + 0.1 * h * uy});
    QTransform rotation;
    rotation.rotateRadians(std::atan2(-dy, dx) + M_PI / 2);
    stick->setTransform(rotation);
    stick->setBackgroundColor(sprite.stick);
    stick->setBorderColor(blendTowardsBlack(sprite.stick, 0.45));
    stick->setContentsScale(m_scale);
}
