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
QPainterPath dimPath(const QRectF& bounds, const QRectF& frame, QPointF spot, double radius) {
    QPainterPath path;
    path.addRect(bounds);
    if (frame.contains(spot)) path.addEllipse(spot - frame.topLeft(), radius, radius);
    return path;
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

    const bool dim = s.spotlight && !s.shaped;
    v.dim->setHidden(!dim);
    if (dim) v.dim->setPath(dimPath(v.root->bounds(), frame, motion.spot, s.spotlightRadius));

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
        v.arm->setTransform(t);
        v.arm->setPosition(p);
    } else {
        v.laser->setPosition(p);
        v.trail->setPath(trailPath(motion.trailPoints, origin));
        const double squash = 1 - Motion::laserSquash * motion.poke;
        v.laser->setTransform(QTransform::fromScale(squash, squash));
    }
}
