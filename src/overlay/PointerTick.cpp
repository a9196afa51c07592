// The per-frame work of the pointer: advance the motion model, then place the
// hand, laser and spotlight on every screen in one animation-free transaction.

#include "layers/LayerAnimator.h"
#include "layers/MediaClock.h"
#include "layers/Transaction.h"
#include "overlay/FramePlacement.h"
#include "overlay/OverlayWindow.h"
#include "overlay/Pointer.h"
#include "overlay/ScreenSpace.h"
#include "prefs/Prefs.h"

void Pointer::tick() {
    move();
    flushDamage(); // measured on its own, as paints
    // Nothing left to move: stop asking for frames until the mouse moves.
    if (m_motion.isSettled(m_prefs.sway()) && !LayerAnimator::hasRunningAnimations())
        m_clock.sleep();
}

void Pointer::move() {
    const FrameStats::TickScope stats(m_stats);
    const double now = MediaClock::now();
    const QPointF mouse = mouseNow();
    m_motion.step(now, mouse, m_prefs.sway(), m_prefs.laser());
    setOverToolbar(isOverToolbar(mouse));
    holdPointer(mouse);
    FrameSettings settings = FrameSettings::read(m_prefs);
    settings.overToolbar = m_overToolbar;
    settings.shaped = m_shaped;

    Transaction::begin();
    Transaction::setDisableActions(true);
    for (auto& window : m_windows)
        placeOnView(window->view(), window->modelFrame(), m_motion, mouse, settings, m_sprites);
    Transaction::commit();

    LayerAnimator::advance();
}
