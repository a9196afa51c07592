// Where layers paint, in root coordinates, and the damage their changes cause.
#include "common/Shadow.h"
#include "layers/Layer.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {
// Subtrees larger than this are marked by their bounding rectangle instead of
// layer by layer.
constexpr int mostLayersMarkedOneByOne = 48;
} // namespace

bool Layer::paintsOnlyContents() const {
    const LayerProps& p = drawnProps();
    return !castsShadow() && !hasContent() && !visible(p.backgroundColor) &&
           !(p.borderWidth > 0 && visible(p.borderColor));
}

QTransform Layer::toRootTransform() const {
    if (!m_rootTransformValid) {
        m_rootTransform = m_superlayer
                              ? drawnProps().toSuperlayer() * m_superlayer->toRootTransform()
                              : QTransform();
        m_rootTransformValid = true;
    }
    return m_rootTransform;
}

bool Layer::castsShadow() const {
    const LayerProps& p = drawnProps();
    return p.shadowOpacity > 0 && visible(p.shadowColor) && !p.masksToBounds;
}

QRectF Layer::ownBodyRect() const {
    const LayerProps& p = drawnProps();
    QRectF body;
    if (visible(p.backgroundColor) || !p.contents.isNull() ||
        (p.borderWidth > 0 && visible(p.borderColor)))
        body = p.bounds;
    if (hasContent()) {
        const QRectF content = contentRect();
        body = body.isEmpty() ? content : body.united(content);
        if (p.masksToBounds) body = body.intersected(p.bounds);
    }
    return body;
}

QRectF Layer::ownFootprint() const {
    const QRectF body = ownBodyRect();
    if (body.isEmpty() || !castsShadow()) return body;
    const LayerProps& p = drawnProps();
    const double reach = Shadow::reach(p.shadowRadius);
    const QRectF shadow = body.translated(p.shadowOffset).adjusted(-reach, -reach, reach, reach);
    return body.united(shadow);
}

QRectF Layer::paintedRectInRoot() const {
    if (m_paintedRectValid) return m_paintedRect;
    const LayerProps& p = drawnProps();
    QRectF rect;
    if (!p.hidden && p.opacity > 0) {
        const QTransform toRoot = toRootTransform();
        const QRectF own = ownFootprint();
        if (!own.isEmpty()) rect = toRoot.mapRect(own);
        QRectF subs;
        for (const auto& sub : m_sublayers) {
            const QRectF r = sub->paintedRectInRoot();
            if (!r.isEmpty()) subs = subs.isEmpty() ? r : subs.united(r);
        }
        if (p.masksToBounds && !subs.isEmpty()) subs = subs.intersected(toRoot.mapRect(p.bounds));
        if (!subs.isEmpty()) rect = rect.isEmpty() ? subs : rect.united(subs);
    }
    m_paintedRect = rect;
    m_paintedRectValid = true;
    return rect;
}

void Layer::invalidatePaintedRect() {
    // An invalid cache always has invalid ancestors, so the walk can stop at
    // the first one that is already invalid.
    for (Layer* l = this; l && l->m_paintedRectValid; l = l->m_superlayer)
        l->m_paintedRectValid = false;
}

void Layer::invalidateGeometry() {
    m_rootTransformValid = false;
    m_paintedRectValid = false;
    for (auto& sub : m_sublayers)
        sub->invalidateGeometry();
    if (m_superlayer) m_superlayer->invalidatePaintedRect();
}

void Layer::willChange(bool geometry) {
    markPainted(geometry);
}

void Layer::didChange(bool geometry) {
    m_presentationTime = -1.0;
    touchAncestors();
    if (geometry) {
        invalidateGeometry();
    } else {
        invalidatePaintedRect();
    }
    markPainted(geometry);
}

void Layer::markLocalArea(const QRectF& local) {
    const LayerProps& p = drawnProps();
    if (local.isEmpty() || p.hidden || p.opacity <= 0) return;
    rootLayer()->addDamage(local, toRootTransform());
}

void Layer::didChangeQuietly() {
    m_presentationTime = -1.0;
    touchAncestors();
    invalidatePaintedRect();
}

void Layer::touchAncestors() {
    for (Layer* up = m_superlayer; up; up = up->m_superlayer)
        ++up->m_treeVersion;
}

void Layer::attachToRoot() {
    touchAncestors();
    invalidateGeometry();
    markPainted(true);
}

int Layer::countUpTo(int limit) const {
    int n = 1;
    for (const auto& sub : m_sublayers) {
        if (n >= limit) break;
        n += sub->countUpTo(limit - n);
    }
    return n;
}

void Layer::markPainted(bool withSublayers) {
    Layer* root = rootLayer();
    const LayerProps& p = drawnProps();
    if (p.hidden || p.opacity <= 0) return;
    if (!withSublayers || m_sublayers.empty()) {
        markOwn(*root);
        return;
    }
    if (countUpTo(mostLayersMarkedOneByOne + 1) > mostLayersMarkedOneByOne) {
        root->markDirtyInRoot(paintedRectInRoot());
        return;
    }
    markOwn(*root);
    for (auto& sub : m_sublayers)
        sub->markPainted(true);
}

void Layer::markOwn(Layer& root) {
    const QRectF own = ownFootprint();
    if (own.isEmpty()) return;
    const std::vector<QRectF> parts = paintedParts();
    if (parts.empty()) {
        root.addDamage(own, toRootTransform());
        return;
    }
    const QTransform toRoot = toRootTransform();
    for (const QRectF& part : parts)
        root.addDamage(part, toRoot);
}

std::vector<QRectF> Layer::paintedParts() const {
    const LayerProps& p = drawnProps();
    if (p.contents.isNull() || p.bounds.isEmpty() || !paintsOnlyContents()) return {};
    const std::vector<QRect>& bands = m_clearMargins.bandsOf(p.contents);
    // The picture is stretched over the bounds, upright: its top row at the
    // bounds' top (highest y).
    const double sx = p.bounds.width() / p.contents.width();
    const double sy = p.bounds.height() / p.contents.height();
    std::vector<QRectF> parts;
    parts.reserve(bands.size());
    for (const QRect& band : bands) {
        const QRectF part(p.bounds.x() + band.x() * sx,
                          p.bounds.y() + p.bounds.height() - (band.y() + band.height()) * sy,
                          band.width() * sx, band.height() * sy);
        parts.push_back(part.intersected(p.bounds));
    }
    return parts;
}

void Layer::addDamage(const QRectF& local, const QTransform& toRoot) {
    if (toRoot.type() <= QTransform::TxScale) {
        markDirtyInRoot(toRoot.mapRect(local));
        return;
    }
    // A turned rectangle's bounding box can be far larger than the rectangle
    // (a long, thin, tilted stick covers a screen-sized box). Cut it into
    // pieces along its long side and mark each piece's box.
    const QPolygonF quad = toRoot.map(QPolygonF(local));
    const QLineF along(quad[0], quad[1]), across(quad[1], quad[2]);
    const bool widthIsLong = along.length() >= across.length();
    const double longSide = widthIsLong ? along.length() : across.length();
    const double shortSide = widthIsLong ? across.length() : along.length();
    const double piece = std::max(4.0 * shortSide, 32.0);
    const int pieces = std::clamp(int(std::ceil(longSide / piece)), 1, 256);
    const QRectF clip = m_props.bounds; // of the root: nothing outside is painted
    for (int i = 0; i < pieces; ++i) {
        const double a = double(i) / pieces, b = double(i + 1) / pieces;
        QRectF part = widthIsLong ? QRectF(local.x() + a * local.width(), local.y(),
                                           (b - a) * local.width(), local.height())
                                  : QRectF(local.x(), local.y() + a * local.height(), local.width(),
                                           (b - a) * local.height());
        const QRectF box = toRoot.mapRect(part);
        if (clip.isEmpty() || box.intersects(clip)) markDirtyInRoot(box);
    }
}

void Layer::markDirtyInRoot(const QRectF& rootRect) {
    if (m_superlayer) {
        rootLayer()->markDirtyInRoot(rootRect);
        return;
    }
    if (rootRect.isEmpty()) return;
    QRectF rect = rootToQt(rootRect);
    if (!m_props.bounds.isEmpty())
        rect = rect.intersected(QRectF(QPointF(0, 0), m_props.bounds.size()));
    if (rect.isEmpty()) return;
    // One pixel more on every side for antialiased edges.
    m_dirty.add(rect.adjusted(-1, -1, 1, 1).toAlignedRect());
}

QRectF Layer::rootToQt(const QRectF& r) const {
    const QRectF b = m_props.bounds;
    return {r.x() - b.x(), b.y() + b.height() - r.y() - r.height(), r.width(), r.height()};
}
