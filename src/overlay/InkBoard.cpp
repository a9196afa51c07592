#include "overlay/InkBoard.h"
#include "layers/Animation.h"
#include "layers/Transaction.h"
#include "overlay/Ink.h"
#include "overlay/OverlayView.h"
#include "prefs/Prefs.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr double dragThreshold = 3.0;
constexpr double ringRadius = 22.0;
constexpr double badgeFadeSeconds = 0.6;
} // namespace

InkBoard::InkBoard(const Prefs& prefs, TapPlayer playTap, QObject* parent)
    : QObject(parent), m_prefs(prefs), m_playTap(std::move(playTap)) {}

void InkBoard::down(QPointF point, OverlayView& view) {
    // A press without the release of the one before (it went elsewhere):
    // the stroke it drew is finished ink like any other.
    if (m_current) {
        m_current->finishGrowing();
        add(m_current);
    }
    m_current.reset();

    m_downPoint = point;
    m_points = {point};
    m_dragging = false;
    if (!m_prefs.muted() && m_playTap) m_playTap(m_prefs.sound(), m_prefs.volume());
    if (!Ink::placesOnClick(Ink::gestureTool(m_prefs.tool(), m_prefs.laser()))) ripple(point, view);
    emit changed();
}

void InkBoard::dragged(QPointF point, bool straight, OverlayView& view) {
    const Tool tool = Ink::gestureTool(m_prefs.tool(), m_prefs.laser());
    if (!m_dragging) {
        const double moved = std::hypot(point.x() - m_downPoint.x(), point.y() - m_downPoint.y());
        if (!(moved > dragThreshold) || Ink::placesOnClick(tool)) return;
        m_dragging = true;
        // Colour and width are fixed for the whole stroke when it starts.
        m_strokeWidth = m_prefs.penWidth();
        m_current = Ink::layer(tool, m_prefs.color(), m_strokeWidth);
        m_current->setFrame(view.root->bounds());
        view.ink->addSublayer(m_current);
        m_stroke = Ink::StrokeBuilder(m_downPoint);
    }
    m_points.push_back(point);
    if (!m_current) return; // cleared mid-drag: the drag goes on, drawing nothing
    Transaction::begin();
    Transaction::setDisableActions(true);
    if (tool == Tool::pen || tool == Tool::highlighter) {
        // A growing stroke: each move costs the same however long it is.
        const int kept = m_stroke.add(point, straight);
        m_current->extendPath(m_stroke.path(), kept);
    } else {
        m_current->dragPath(Ink::path(tool, m_points, straight, m_strokeWidth));
    }
    Transaction::commit();
    emit changed();
}

void InkBoard::up(OverlayView& view) {
    const Tool tool = Ink::gestureTool(m_prefs.tool(), m_prefs.laser());
    LayerPtr finished; // announced by add()
    if (m_dragging) {
        if (m_current) m_current->finishGrowing();
        finished = m_current;
    } else if (Ink::placesOnClick(tool)) {
        finished = Ink::step(m_stepNumber, m_downPoint, m_prefs.color(), view.scale());
        view.ink->addSublayer(finished);
        setStepNumber(m_stepNumber + 1);
    }
    m_current.reset();
    m_dragging = false;
    if (finished)
        add(finished);
    else
        emit changed();
}

void InkBoard::add(const LayerPtr& layer) {
    if (!layer) return;
    m_items.push_back(layer);
    setInkEmpty(false);
    // The delay is fixed now: changing the setting later leaves this item be.
    const double delay = m_prefs.fadeAfter();
    if (delay > 0) scheduleFade(layer, delay);
    emit changed();
}

void InkBoard::scheduleFade(const LayerPtr& layer, double seconds) {
    // Held weakly: an item undone or cleared meanwhile is simply gone.
    std::weak_ptr<Layer> weak = layer;
    QTimer::singleShot(int(std::lround(seconds * 1000)), this, [this, weak] {
        const LayerPtr item = weak.lock();
        if (!item || !item->superlayer()) return;
        Transaction::begin();
        Transaction::setAnimationDuration(badgeFadeSeconds);
        // A stroke has no implicit opacity animation and goes at once; a badge
        // fades out and goes when its fade ends.
        Transaction::setCompletion([this, weak] {
            if (const LayerPtr faded = weak.lock()) remove(faded);
        });
        item->setOpacity(0);
        Transaction::commit();
        emit changed();
    });
}

void InkBoard::remove(const LayerPtr& layer) {
    if (!layer) return;
    layer->removeFromSuperlayer();
    m_items.erase(std::remove(m_items.begin(), m_items.end(), layer), m_items.end());
    // Badge numbers stay used up: the next badge does not reuse a faded one's.
    setInkEmpty(m_items.empty());
    emit changed();
}

void InkBoard::undo() {
    if (m_items.empty()) return;
    const LayerPtr last = m_items.back();
    m_items.pop_back();
    last->removeFromSuperlayer();
    const QVariant number = last->value(QStringLiteral("step"));
    if (number.typeId() == QMetaType::Int && number.toInt() == m_stepNumber - 1)
        setStepNumber(m_stepNumber - 1);
    setInkEmpty(m_items.empty());
    emit changed();
}

void InkBoard::clear() {
    for (const LayerPtr& item : m_items)
        item->removeFromSuperlayer();
    m_items.clear();
    if (m_current) {
        m_current->removeFromSuperlayer();
        m_current.reset();
    }
    setStepNumber(1);
    setInkEmpty(true);
    emit changed();
}

void InkBoard::clearOn(const OverlayView& view) {
    const auto onView = [&](const LayerPtr& item) { return item->superlayer() == view.ink.get(); };
    if (m_current && onView(m_current)) {
        m_current->removeFromSuperlayer();
        m_current.reset();
    }
    for (const LayerPtr& item : m_items)
        if (onView(item)) item->removeFromSuperlayer();
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(),
                                 [](const LayerPtr& item) { return !item->superlayer(); }),
                  m_items.end());
    setInkEmpty(m_items.empty());
    emit changed();
}

void InkBoard::ripple(QPointF point, OverlayView& view) {
    const QColor c = ns(m_prefs.color());
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

void InkBoard::demoInk(const std::vector<DemoStroke>& strokes, const std::vector<QPointF>& steps,
                       OverlayView& view) {
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
    emit changed();
}

void InkBoard::setStepNumber(int value) {
    if (value == m_stepNumber) return;
    m_stepNumber = value;
    emit stepNumberChanged();
}

void InkBoard::setInkEmpty(bool value) {
    if (value == m_inkEmpty) return;
    m_inkEmpty = value;
    emit inkEmptyChanged();
}
