// The per-frame work of the pointer: advance the motion model, then place the
// hand, laser and spotlight on every screen in one animation-free transaction.

#include "handart/HandPainter.h"
#include "handart/HandSkin.h"
#include "layers/LayerAnimator.h"
#include "layers/MediaClock.h"
#include "layers/Transaction.h"
#include "overlay/FrameStats.h"
#include "overlay/OverlayWindow.h"
#include "overlay/Pointer.h"
#include "overlay/ScreenSpace.h"
#include "prefs/Prefs.h"
#include "common/SafeNumbers.h"

namespace {
struct FrameSettings {
    bool laser;
    bool spotlight;
    double spotlightRadius;
    HandSkin skin;
    double handHeight;
};

FrameSettings readSettings() {
    const Prefs& prefs = Prefs::shared();
    return {prefs.laser(), prefs.spotlight(), SafeNumbers::spotlightRadius(prefs.spotlightRadius()),
            HandSkin::find(prefs.handID()).value_or(HandSkin::classic()),
            height(prefs.handSize())};
}

QPainterPath dimPath(const QRectF& bounds, const QRectF& frame, QPointF spot, double radius) {
    QPainterPath path;
    path.addRect(bounds);
    if (frame.contains(spot)) {
        const QPointF centre = spot - frame.topLeft();
        path.addEllipse(centre, radius, radius);
    }
    return path;
}

QPainterPath trailPath(const std::vector<TrailPoint>& trail, QPointF origin) {
    QPainterPath path;
    if (trail.empty()) return path;
    path.moveTo(trail.front().point - origin);
    for (size_t i = 1; i < trail.size(); ++i) path.lineTo(trail[i].point - origin);
    return path;
}

void placeOnWindow(OverlayWindow& window, const Motion& motion, QPointF mouse,
                   const FrameSettings& s, HandSprites& sprites) {
    OverlayView& v = window.view();
    const QRectF f = window.modelFrame();
    const QPointF o = f.topLeft(); // the frame's origin: its bottom-left corner, y up

    v.dim->setHidden(!s.spotlight);
    if (s.spotlight) v.dim->setPath(dimPath(v.root->bounds(), f, motion.spot, s.spotlightRadius));

    const bool showHand = ScreenSpace::holds(f, mouse);
    v.arm->setHidden(!showHand || s.laser);
    v.laser->setHidden(!(showHand && s.laser));
    v.trail->setHidden(!(showHand && s.laser));
    if (!showHand) return;

    const QPointF p = mouse - o;
    if (!s.laser) {
        const QString key = HandPainter::cacheKey(s.skin.id, s.handHeight, v.scale());
        if (key != v.spriteKey()) v.use(sprites.sprite(s.skin.id, s.handHeight, v.scale()), key);
        QTransform t;
        t.rotateRadians(motion.angle);
        const double squash = 1 - Motion::handSquash * motion.poke;
        t.scale(squash, squash);
        v.arm->setTransform(t);
        v.arm->setPosition(p);
    } else {
        v.laser->setPosition(p);
        v.trail->setPath(trailPath(motion.trailPoints, o));
        const double squash = 1 - Motion::laserSquash * motion.poke;
        v.laser->setTransform(QTransform::fromScale(squash, squash));
    }
}
} // namespace

void Pointer::tick() {
    const FrameStats::TickScope stats;
    const double now = MediaClock::now();
    const QPointF mouse = ScreenSpace::mouseLocation();
    const Prefs& prefs = Prefs::shared();
    m_motion.step(now, mouse, prefs.sway(), prefs.laser());
    const FrameSettings settings = readSettings();

    Transaction::begin();
    Transaction::setDisableActions(true);
    for (auto& window : m_windows) placeOnWindow(*window, m_motion, mouse, settings, m_sprites);
    Transaction::commit();

    LayerAnimator::advance();
    flushDamage();

    // Nothing left to move: stop asking for frames until the mouse moves.
    if (m_motion.isSettled(prefs.sway()) && !LayerAnimator::hasRunningAnimations())
        m_clock.sleep();
}
