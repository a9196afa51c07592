#include "layers/Layer.h"

#include "layers/LayerAnimator.h"
#include "layers/LayerBitmaps.h"
#include "layers/RunningAnimation.h"
#include "layers/Transaction.h"

#include <algorithm>
#include <cmath>

namespace {
bool isFinite(double v) {
    return std::isfinite(v);
}
bool isFinite(const QPointF& p) {
    return isFinite(p.x()) && isFinite(p.y());
}
bool isFinite(const QRectF& r) {
    return isFinite(r.x()) && isFinite(r.y()) && isFinite(r.width()) && isFinite(r.height());
}
bool isFinite(const QTransform& m) {
    return isFinite(m.m11()) && isFinite(m.m12()) && isFinite(m.m21()) && isFinite(m.m22()) &&
           isFinite(m.dx()) && isFinite(m.dy());
}

// Images compare by identity: comparing pixels on every assignment would cost
// more than the repaint it saves.
template <typename T> bool same(const T& a, const T& b) {
    return a == b;
}
template <> bool same(const QImage& a, const QImage& b) {
    return a.cacheKey() == b.cacheKey();
}
template <> bool same(const QColor& a, const QColor& b) {
    if (!a.isValid() || !b.isValid()) return a.isValid() == b.isValid();
    return a.rgba64() == b.rgba64();
}
} // namespace

Layer::Layer() = default;

Layer::~Layer() {
    for (auto& sub : m_sublayers)
        sub->m_superlayer = nullptr;
    registerAnimated(false);
    // Running animations end here; transactions waiting on them are released.
    m_animations.clear();
}

template <typename T>
void Layer::change(T LayerProps::*field, const T& value, const char* key, bool geometry,
                   bool content) {
    if (same(m_props.*field, value)) return;
    const bool animate = wantsImplicitAnimation(key);
    const QVariant from = animate ? presentedValue(key) : QVariant();
    willChange(geometry);
    m_props.*field = value;
    if (content) contentChanged();
    didChange(geometry);
    if (animate) startImplicitAnimation(key, from);
}

void Layer::setBounds(const QRectF& bounds) {
    if (isFinite(bounds)) change(&LayerProps::bounds, bounds, "bounds", true, true);
}

void Layer::setPosition(const QPointF& position) {
    if (isFinite(position)) change(&LayerProps::position, position, "position", true, false);
}

void Layer::setAnchorPoint(const QPointF& anchor) {
    if (isFinite(anchor)) change(&LayerProps::anchorPoint, anchor, "anchorPoint", true, false);
}

QRectF Layer::frame() const {
    return m_props.toSuperlayer().mapRect(m_props.bounds);
}

void Layer::setFrame(const QRectF& frame) {
    if (!isFinite(frame)) return;
    const QRectF normal = frame.normalized();
    setBounds(QRectF(m_props.bounds.topLeft(), normal.size()));
    setPosition({normal.x() + m_props.anchorPoint.x() * normal.width(),
                 normal.y() + m_props.anchorPoint.y() * normal.height()});
}

void Layer::setTransform(const QTransform& transform) {
    if (isFinite(transform)) change(&LayerProps::transform, transform, "transform", true, false);
}

void Layer::place(const QPointF& position, const QTransform& transform) {
    if (!isFinite(position) || !isFinite(transform)) return;
    if (wantsImplicitAnimation("position") || wantsImplicitAnimation("transform")) {
        setTransform(transform);
        setPosition(position);
        return;
    }
    const bool moves = !same(m_props.position, position);
    if (!moves && same(m_props.transform, transform)) return;
    willChange(true);
    m_props.position = position;
    m_props.transform = transform;
    didChange(true);
}

void Layer::setHidden(bool hidden) {
    change(&LayerProps::hidden, hidden, "hidden", true, false);
}

void Layer::setOpacity(double opacity) {
    if (isFinite(opacity))
        change(&LayerProps::opacity, std::clamp(opacity, 0.0, 1.0), "opacity", true, false);
}

void Layer::setContents(const QImage& image) {
    change(&LayerProps::contents, image, "contents", false, true);
}

void Layer::setContentsScale(double scale) {
    if (isFinite(scale) && scale > 0)
        change(&LayerProps::contentsScale, scale, "contentsScale", false, true);
}

void Layer::setBackgroundColor(const QColor& color) {
    change(&LayerProps::backgroundColor, color, "backgroundColor", false, true);
}

void Layer::setBorderColor(const QColor& color) {
    change(&LayerProps::borderColor, color, "borderColor", false, true);
}

void Layer::setBorderWidth(double width) {
    if (isFinite(width))
        change(&LayerProps::borderWidth, std::max(width, 0.0), "borderWidth", false, true);
}

void Layer::setCornerRadius(double radius) {
    if (isFinite(radius))
        change(&LayerProps::cornerRadius, std::max(radius, 0.0), "cornerRadius", false, true);
}

void Layer::setMasksToBounds(bool masks) {
    change(&LayerProps::masksToBounds, masks, "masksToBounds", true, true);
}

void Layer::setShadowColor(const QColor& color) {
    change(&LayerProps::shadowColor, color, "shadowColor", false, true);
}

void Layer::setShadowOpacity(double opacity) {
    if (isFinite(opacity))
        change(&LayerProps::shadowOpacity, std::clamp(opacity, 0.0, 1.0), "shadowOpacity", false,
               true);
}

void Layer::setShadowRadius(double radius) {
    if (isFinite(radius))
        change(&LayerProps::shadowRadius, std::max(radius, 0.0), "shadowRadius", false, true);
}

void Layer::setShadowOffset(const QPointF& offset) {
    if (isFinite(offset)) change(&LayerProps::shadowOffset, offset, "shadowOffset", false, true);
}

// The tree -------------------------------------------------------------------

void Layer::addSublayer(const LayerPtr& layer) {
    // A layer cannot contain itself or one of its own ancestors.
    if (!layer) return;
    for (const Layer* up = this; up; up = up->m_superlayer)
        if (up == layer.get()) return;
    const LayerPtr keep = layer; // `layer` may be the entry that leaves its old superlayer
    keep->removeFromSuperlayer();
    m_sublayers.push_back(keep);
    keep->m_superlayer = this;
    keep->m_dirty.clear();
    keep->m_insertedInTransaction = Transaction::currentId();
    keep->attachToRoot();
}

void Layer::removeFromSuperlayer() {
    Layer* parent = m_superlayer;
    if (!parent) return;
    const LayerPtr keep = shared_from_this();
    markPainted(true);
    touchAncestors();
    auto& siblings = parent->m_sublayers;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [this](const LayerPtr& l) { return l.get() == this; }),
                   siblings.end());
    m_superlayer = nullptr;
    parent->invalidatePaintedRect();
    invalidateGeometry();
}

Layer* Layer::rootLayer() {
    Layer* l = this;
    while (l->m_superlayer)
        l = l->m_superlayer;
    return l;
}

// Actions and values ---------------------------------------------------------

void Layer::disableImplicitAnimations(const QStringList& keys) {
    for (const auto& key : keys)
        m_disabledActions.insert(key);
}

bool Layer::allowsImplicitAnimation(const QString& key) const {
    return isAnimatableKey(key) && !m_disabledActions.contains(key);
}

bool Layer::isAnimatableKey(const QString& key) const {
    static const QStringList keys{
        "bounds",          "position",     "anchorPoint", "transform",    "opacity",
        "backgroundColor", "borderColor",  "borderWidth", "cornerRadius", "shadowColor",
        "shadowOpacity",   "shadowRadius", "shadowOffset"};
    return keys.contains(key);
}

bool Layer::wantsImplicitAnimation(const QString& key) const {
    // Only layers already on show animate; a layer added in this very
    // transaction appears in its final state.
    if (Transaction::disableActions() || Transaction::animationDuration() <= 0) return false;
    if (!m_superlayer || !allowsImplicitAnimation(key)) return false;
    return m_insertedInTransaction != Transaction::currentId();
}

void Layer::setValue(const QString& key, const QVariant& value) {
    if (value.isValid())
        m_values.insert(key, value);
    else
        m_values.remove(key);
}

// Key paths ------------------------------------------------------------------

QVariant Layer::modelValue(const QString& keyPath) const {
    const QVariant own = ownModelValue(keyPath);
    return own.isValid() ? own : m_props.read(keyPath);
}

QVariant Layer::presentedValue(const QString& keyPath) const {
    ensurePresentation();
    const QVariant own = ownPresentedValue(keyPath);
    return own.isValid() ? own : drawnProps().read(keyPath);
}

void Layer::setPresentedValue(const QString& keyPath, const QVariant& value) {
    if (!setOwnPresentedValue(keyPath, value)) m_presentation.write(keyPath, value);
}

QVariant Layer::ownModelValue(const QString&) const {
    return {};
}
QVariant Layer::ownPresentedValue(const QString&) const {
    return {};
}
bool Layer::setOwnPresentedValue(const QString&, const QVariant&) {
    return false;
}

// Drawing hooks of plain layers ------------------------------------------------

void Layer::drawContent(QPainter&) const {}
QRectF Layer::contentRect() const {
    return {};
}
