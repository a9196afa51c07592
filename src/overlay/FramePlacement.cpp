#include "overlay/FramePlacement.h"
#include "handart/HandSprites.h"
#include "overlay/OverlayView.h"
#include "overlay/ScreenSpace.h"
#include "prefs/Prefs.h"

FrameSettings FrameSettings::read(const Prefs& prefs) {
    return {prefs.laser(), prefs.spotlight(), prefs.spotlightRadius(), prefs.handID(),
            height(prefs.handSize())};
}

namespace {
void dim(OverlayView& v, const QRectF& frame, QPointF spot, double radius) {
    const bool hole = frame.contains(spot);
    const OverlayView::DimShape shape{hole, hole ? spot - frame.topLeft() : QPointF(),
                                      hole ? radius : 0};
    if (v.dimShape == shape) return;
    v.dimShape = shape;
    QPainterPath path;
    path.addRect(v.root->bounds());
    if (hole) path.addEllipse(shape.centre, radius, radius);
    v.dim->setPath(path);
}

QPainterPath trailPath(const std::vector<TrailPoint>& trail, QPointF origin) {
    QPainterPath path;
    if (trail.empty()) return path;
    path.moveTo(trail.front().point - origin);
    for (size_t i = 1; i < trail.size(); ++i)
        path.lineTo(trail[i].point - origin);
    return path;
}
} // namespace

void placeOnView(OverlayView& v, const QRectF& frame, const Motion& motion, QPointF mouse,
                 const FrameSettings& s, HandSprites& sprites) {
    const QPointF origin = frame.topLeft(); // the frame's bottom-left corner, y up

    const bool dims = s.spotlight && !s.shaped;
    v.dim->setHidden(!dims);
    if (dims) dim(v, frame, motion.spot, s.spotlightRadius);

    const bool showHand = !s.overToolbar && ScreenSpace::holds(frame, mouse);
    v.arm->setHidden(!showHand || s.laser);
    v.laser->setHidden(!(showHand && s.laser));
    v.trail->setHidden(!(showHand && s.laser));
    if (!showHand) return;

    const QPointF p = mouse - origin;
    if (!s.laser) {
        if (!v.shows(s.handID, s.handHeight))
            v.use(sprites.sprite(s.handID, s.handHeight, v.scale()), s.handID, s.handHeight);
        QTransform t;
        t.rotateRadians(motion.angle);
        const double squash = 1 - Motion::handSquash * motion.poke;
        t.scale(squash, squash);
        v.arm->place(p, t);
    } else {
        v.trail->setPath(trailPath(motion.trailPoints, origin));
        const double squash = 1 - Motion::laserSquash * motion.poke;
        v.laser->place(p, QTransform::fromScale(squash, squash));
    }
}
