// Tapping and drawing: a click taps (sound, ring, jolt), a drag draws with
// the chosen tool, and the steps tool places a numbered badge on release.
#include "layers/Animation.h"
#include "layers/Transaction.h"
#include "overlay/Ink.h"
#include "overlay/OverlayWindow.h"
#include "overlay/Pointer.h"
#include "overlay/TapSounds.h"
#include "prefs/Prefs.h"

#include <QGuiApplication>
#include <cmath>

namespace {
constexpr double dragThreshold = 3.0;
constexpr double ringRadius = 22.0;

// While the laser is on, a drag always draws with the pen.
Tool resolvedTool() {
    const Prefs& prefs = Prefs::shared();
    return prefs.laser() ? Tool::pen : prefs.tool();
}
} // namespace

void Pointer::down(QPointF point, OverlayView& view) {
    // A press without the release of the one before (it went elsewhere):
    // the stroke it drew is finished ink like any other.
    if (m_current) add(m_current);
    m_current.reset();

    m_downPoint = point;
    m_points = {point};
    m_dragging = false;
    m_motion.poke = 1.0;
    TapSounds::playChosen();
    const Prefs& prefs = Prefs::shared();
    if (!(prefs.tool() == Tool::steps && !prefs.laser())) ripple(point, view);
    wake();
}

void Pointer::dragged(QPointF point, bool straight, OverlayView& view) {
    const Tool tool = resolvedTool();
    if (!m_dragging) {
        const double moved = std::hypot(point.x() - m_downPoint.x(), point.y() - m_downPoint.y());
        if (!(moved > dragThreshold) || tool == Tool::steps) return;
        m_dragging = true;
        const Prefs& prefs = Prefs::shared();
        m_current = Ink::layer(tool, prefs.color(), prefs.penWidth());
        m_current->setFrame(view.root->bounds());
        view.ink->addSublayer(m_current);
    }
    m_points.push_back(point);
    if (!m_current) return; // cleared mid-drag: the drag goes on, drawing nothing
    Transaction::begin();
    Transaction::setDisableActions(true);
    m_current->setPath(Ink::path(tool, m_points, straight, Prefs::shared().penWidth()));
    Transaction::commit();
    flushDamage();
}

void Pointer::up(OverlayView& view) {
    const Prefs& prefs = Prefs::shared();
    if (m_dragging) {
        if (m_current) add(m_current);
    } else if (!prefs.laser() && prefs.tool() == Tool::steps) {
        LayerPtr badge = Ink::step(m_stepNumber, m_downPoint, prefs.color(), view.scale());
        view.ink->addSublayer(badge);
        setStepNumber(m_stepNumber + 1);
        add(badge);
    }
    m_current.reset();
    m_dragging = false;
    wake();
}

void Pointer::ripple(QPointF point, OverlayView& view) {
    const QColor c = ns(Prefs::shared().color());
    QColor wash = c;
    wash.setAlphaF(0.18f);
    auto ring = ShapeLayer::make();
    QPainterPath circle;
    circle.addEllipse(QRectF(-ringRadius, -ringRadius, 2 * ringRadius, 2 * ringRadius));
    ring->setPath(circle);
    ring->setPosition(point);
    ring->setFillColor(wash);
    ring->setStrokeColor(c);
    ring->setLineWidth(3.0);
    view.effects->addSublayer(ring);

    AnimationGroup group;
    group.add(BasicAnimation(QStringLiteral("transform.scale"), 0.25, 1.5));
    group.add(BasicAnimation(QStringLiteral("opacity"), 1.0, 0.0));
    group.duration = 0.45;
    group.timing = Timing::EaseOut;
    // Invisible once the animation is over, until it is taken away.
    ring->setOpacity(0);

    Transaction::begin();
    std::weak_ptr<ShapeLayer> weak = ring;
    Transaction::setCompletion([weak] {
        if (auto done = weak.lock()) done->removeFromSuperlayer();
    });
    ring->addAnimation(group, QStringLiteral("tap"));
    Transaction::commit();
}

void Pointer::demoInk(const std::vector<DemoStroke>& strokes, const std::vector<QPointF>& steps) {
    OverlayWindow* main = nullptr;
    for (auto& window : m_windows)
        if (window->targetScreen() && window->targetScreen() == QGuiApplication::primaryScreen()) {
            main = window.get();
            break;
        }
    if (!main) return;
    OverlayView& view = main->view();
    constexpr double width = 5.0;
    for (const DemoStroke& stroke : strokes) {
        const InkColor color = stroke.tool == Tool::highlighter ? InkColor::sun
                               : stroke.tool == Tool::box       ? InkColor::sky
                                                                : InkColor::coral;
        auto layer = Ink::layer(stroke.tool, color, width);
        layer->setFrame(view.root->bounds());
        layer->setPath(
            Ink::path(stroke.tool, stroke.points, stroke.tool == Tool::highlighter, width));
        view.ink->addSublayer(layer);
    }
    int number = 1;
    for (QPointF centre : steps)
        view.ink->addSublayer(Ink::step(number++, centre, InkColor::violet, 2.0));
    wake();
}
