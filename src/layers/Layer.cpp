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
    for (auto& sub : sublayers_)
        sub->superlayer_ = nullptr;
    registerAnimated(false);
    // Running animations end here without their callbacks (this layer is
    // going away), but transactions waiting on them are released.
    animations_.clear();
}

template <typename T>
void Layer::change(T LayerProps::*field, const T& value, const char* key, bool geometry,
                   bool content) {
    if (same(props_.*field, value)) return;
    const bool animate = wantsImplicitAnimation(key);
    const QVariant from = animate ? presentedValue(key) : QVariant();
    willChange(geometry);
    props_.*field = value;
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
    return props_.toSuperlayer().mapRect(props_.bounds);
}

void Layer::setFrame(const QRectF& frame) {
    if (!isFinite(frame)) return;
    const QRectF normal = frame.normalized();
    setBounds(QRectF(props_.bounds.topLeft(), normal.size()));
    setPosition({normal.x() + props_.anchorPoint.x() * normal.width(),
                 normal.y() + props_.anchorPoint.y() * normal.height()});
}

void Layer::setTransform(const QTransform& transform) {
    if (isFinite(transform)) change(&LayerProps::transform, transform, "transform", true, false);
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
    insertSublayer(layer, int(sublayers_.size()));
}

void Layer::insertSublayer(const LayerPtr& layer, int index) {
    // A layer cannot contain itself or one of its own ancestors.
    if (!layer) return;
    for (const Layer* up = this; up; up = up->superlayer_)
        if (up == layer.get()) return;
    const LayerPtr keep = layer;
    // Moving within the same superlayer: the index counts without it.
    layer->removeFromSuperlayer();
    index = std::clamp(index, 0, int(sublayers_.size()));
    sublayers_.insert(sublayers_.begin() + index, layer);
    layer->superlayer_ = this;
    layer->dirty_ = QRegion();
    layer->insertedInTransaction_ = Transaction::currentId();
    layer->attachToRoot();
}

void Layer::removeFromSuperlayer() {
    Layer* parent = superlayer_;
    if (!parent) return;
    const LayerPtr keep = shared_from_this();
    markPainted(true);
    touchAncestors();
    auto& siblings = parent->sublayers_;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [this](const LayerPtr& l) { return l.get() == this; }),
                   siblings.end());
    superlayer_ = nullptr;
    parent->invalidatePaintedRect();
    invalidateGeometry();
}

Layer* Layer::rootLayer() {
    Layer* l = this;
    while (l->superlayer_)
        l = l->superlayer_;
    return l;
}

// Actions and values ---------------------------------------------------------

void Layer::setImplicitAnimation(const QString& key, bool allowed) {
    actions_[key] = allowed;
}

void Layer::disableImplicitAnimations(const QStringList& keys) {
    for (const auto& key : keys)
        actions_[key] = false;
}

bool Layer::allowsImplicitAnimation(const QString& key) const {
    return isAnimatableKey(key) && actions_.value(key, true);
}

bool Layer::isAnimatableKey(const QString& key) const {
    static const QStringList keys{
        "bounds",          "position",     "anchorPoint", "transform",    "opacity",
        "backgroundColor", "borderColor",  "borderWidth", "cornerRadius", "shadowColor",
        "shadowOpacity",   "shadowRadius", "shadowOffset"};
    return keys.contains(key);
}

bool Layer::wantsImplicitAnimation(const QString& key) const {
    // Like the platform: only layers already on show animate; a layer added in
    // this very transaction appears in its final state.
    if (Transaction::disableActions() || Transaction::animationDuration() <= 0) return false;
    if (!superlayer_ || !allowsImplicitAnimation(key)) return false;
    return insertedInTransaction_ != Transaction::currentId();
}

void Layer::setValue(const QString& key, const QVariant& value) {
    if (value.isValid())
        values_.insert(key, value);
    else
        values_.remove(key);
}

// Key paths ------------------------------------------------------------------

QVariant Layer::modelValue(const QString& keyPath) const {
    const QVariant own = ownModelValue(keyPath);
    return own.isValid() ? own : props_.read(keyPath);
}

QVariant Layer::presentedValue(const QString& keyPath) const {
    ensurePresentation();
    const QVariant own = ownPresentedValue(keyPath);
    return own.isValid() ? own : drawnProps().read(keyPath);
}

void Layer::setPresentedValue(const QString& keyPath, const QVariant& value) {
    if (!setOwnPresentedValue(keyPath, value)) presentation_.write(keyPath, value);
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

QVariant Layer::presentationValue(const QString& keyPath) const {
    return presentedValue(keyPath);
}

// Drawing hooks of plain layers ------------------------------------------------

void Layer::drawContent(QPainter&) const {}
QRectF Layer::contentRect() const {
    return {};
}
