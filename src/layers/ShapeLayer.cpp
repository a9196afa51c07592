#include "layers/ShapeLayer.h"

#include "common/Shadow.h"
#include "layers/GrowingPaint.h"
#include "layers/OutlineDamage.h"
#include "layers/OutlinePaint.h"
#include "layers/PathBounds.h"
#include "layers/VisiblePart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr double miterLimit = 10.0; // line widths, point to point

bool sameColor(const QColor& a, const QColor& b) {
    if (!a.isValid() || !b.isValid()) return a.isValid() == b.isValid();
    return a.rgba64() == b.rgba64();
}

QRectF pointsFrom(const QPainterPath& path, int first) {
    return PathBounds::pointsBox(path, first, path.elementCount() - 1);
}

// The first element at which two paths differ; both are known to agree
// before element `from`.
int firstDifference(const QPainterPath& a, const QPainterPath& b, int from = 0) {
    const int common = std::min(a.elementCount(), b.elementCount());
    int first = std::clamp(from, 0, common);
    while (first < common) {
        const auto ea = a.elementAt(first), eb = b.elementAt(first);
        if (ea.type != eb.type || ea.x != eb.x || ea.y != eb.y) break;
        ++first;
    }
    return first;
}

// Where a path's paint changes when its elements change from `first` on. A
// fill can change anywhere inside a changed subpath, so for fills the change
// starts at that subpath's beginning; a stroke changes from the element
// before (its join moves).
int changeStart(const QPainterPath& p, int first, bool filled) {
    int i = std::min(first, p.elementCount() - 1);
    if (filled) {
        while (i > 0 && !p.elementAt(i).isMoveTo())
            --i;
        return i;
    }
    while (i > 0 && p.elementAt(i).type == QPainterPath::CurveToDataElement)
        --i;
    return std::max(i - 1, 0);
}

// The part of two paths that differs, as one box.
QRectF changedArea(const QPainterPath& a, const QPainterPath& b, bool filled, int from = 0) {
    const int first = firstDifference(a, b, from);
    QRectF area;
    if (a.elementCount() > 0) area = pointsFrom(a, changeStart(a, first, filled));
    if (b.elementCount() > 0) {
        const QRectF more = pointsFrom(b, changeStart(b, first, filled));
        area = area.isNull() ? more : area.united(more);
    }
    return area;
}
} // namespace

ShapeLayer::ShapeLayer() = default;
ShapeLayer::~ShapeLayer() = default;

QVariant ShapeProps::read(const QString& key) const {
    if (key == "path") return QVariant::fromValue(path);
    if (key == "fillColor") return fillColor;
    if (key == "strokeColor") return strokeColor;
    if (key == "lineWidth") return lineWidth;
    return {};
}

bool ShapeProps::write(const QString& key, const QVariant& v) {
    if (key == "path" && v.canConvert<QPainterPath>())
        path = v.value<QPainterPath>();
    else if (key == "fillColor" && v.canConvert<QColor>())
        fillColor = v.value<QColor>();
    else if (key == "strokeColor" && v.canConvert<QColor>())
        strokeColor = v.value<QColor>();
    else if (key == "lineWidth" && v.canConvert<double>())
        lineWidth = std::max(0.0, v.toDouble());
    else
        return false;
    return true;
}

template <typename T>
void ShapeLayer::changeShape(T ShapeProps::*field, const T& value, const char* key) {
    if (m_shape.*field == value) return;
    const bool animate = wantsImplicitAnimation(key);
    const QVariant from = animate ? presentedValue(key) : QVariant();
    willChange(false);
    m_shape.*field = value;
    m_rectValid = false;
    contentChanged();
    didChange(false);
    if (animate) startImplicitAnimation(key, from);
}

void ShapeLayer::setPath(const QPainterPath& path) {
    if (m_shape.path == path) return;
    if (m_growing) m_growing->pathChanged(path, 0);
    const bool animate = wantsImplicitAnimation("path");
    if (animate || isAnimating()) {
        changeShape(&ShapeProps::path, path, "path");
        return;
    }
    // Only the part that changed is repainted (the moving hole of a
    // screen-sized dimming, the newest piece of a stroke).
    const QPainterPath old = m_shape.path;
    m_shape.path = path;
    m_rectValid = false;
    contentChanged();
    if (m_growing || !markChangedOutline(old, path))
        markChangedBody(changedArea(old, path, visible(m_shape.fillColor)));
    didChangeQuietly();
}

void ShapeLayer::markChangedBody(QRectF area) {
    if (area.isNull()) return;
    area = strokedArea(area);
    if (m_growing) m_growing->bodyChanged(area);
    markLocalArea(withShadow(area));
}

// The stroke's reach, and a pixel for antialiasing, around `area`.
QRectF ShapeLayer::strokedArea(const QRectF& area) const {
    const double reach = strokeReach(m_shape) + 1.0;
    return area.adjusted(-reach, -reach, reach, reach);
}

// `area` together with the shadow it casts, when it casts one.
QRectF ShapeLayer::withShadow(const QRectF& area) const {
    if (!castsShadow()) return area;
    const double reach = Shadow::reach(shadowRadius());
    return area.united(area.translated(shadowOffset()).adjusted(-reach, -reach, reach, reach));
}

bool ShapeLayer::markChangedOutline(const QPainterPath& old, const QPainterPath& now) {
    // Beyond this many pieces one box is cheaper to mark and to clip to.
    constexpr int mostPieces = 400;
    constexpr double pieceLength = 48.0; // root units
    const QTransform toRoot = toRootTransform();
    // A turned layer is painted from a resampled bitmap, which, clipped to
    // many pieces, comes out a few levels off the whole picture.
    if (toRoot.type() > QTransform::TxScale) return false;
    const bool filled = visible(m_shape.fillColor);
    const int first = firstDifference(old, now);
    std::vector<OutlineDamage::Piece> before, after;
    // Collected with room to spare: many may be the same before and after.
    constexpr int mostCollected = 4 * mostPieces;
    if (!OutlineDamage::collect(old, changeStart(old, first, filled), filled, toRoot, pieceLength,
                                mostCollected, before) ||
        !OutlineDamage::collect(now, changeStart(now, first, filled), filled, toRoot, pieceLength,
                                mostCollected, after))
        return false;
    // A box dragged by one corner keeps the far ends of its edges.
    if (m_shape.lineCap == Qt::RoundCap && m_shape.lineJoin == Qt::RoundJoin)
        OutlineDamage::dropUnchanged(before, after);
    if (before.size() + after.size() > size_t(mostPieces)) return false;
    for (const auto* pieces : {&before, &after})
        for (const OutlineDamage::Piece& piece : *pieces)
            markLocalArea(withShadow(strokedArea(piece.rect)));
    return true;
}

void ShapeLayer::extendPath(const QPainterPath& path, int kept) {
    const LayerProps& p = drawnProps();
    // Only a bare stroke is kept in bitmaps; fills change all over as a path grows.
    const bool bareStroke = !visible(m_shape.fillColor) && !visible(p.backgroundColor) &&
                            p.contents.isNull() && !(p.borderWidth > 0 && visible(p.borderColor));
    if (!bareStroke || isAnimating() || wantsImplicitAnimation("path")) {
        m_growing.reset();
        setPath(path);
        return;
    }
    if (!m_growing) {
        m_growing = std::make_unique<GrowingPaint>();
        m_growing->pathChanged(m_shape.path, 0);
    }
    if (kept <= 0 || kept > m_shape.path.elementCount()) {
        setPath(path);
        return;
    }
    const QPainterPath old = m_shape.path;
    m_shape.path = path;
    contentChanged();
    const QRectF area = changedArea(old, path, false, kept);
    // The content's rectangle grows with the path (it may stay a little
    // large where an end moved back), so it is never measured all over again.
    if (m_rectValid && !area.isNull()) {
        const double reach = strokeReach(m_shape) + 0.5;
        m_rect = m_rect.united(area.adjusted(-reach, -reach, reach, reach));
    } else {
        m_rectValid = false;
    }
    m_growing->pathChanged(path, kept);
    markChangedBody(area);
    didChangeQuietly();
}

void ShapeLayer::dragPath(const QPainterPath& path) {
    m_growing.reset();
    m_dragged = true;
    setPath(path);
}

void ShapeLayer::finishGrowing() {
    m_growing.reset();
    // Painted the usual way from now on, all of it at once: no seam between
    // the pixels painted while dragging and those of a later repaint.
    if (std::exchange(m_dragged, false)) markLocalArea(withShadow(contentRect()));
}

bool ShapeLayer::drawDirectly(QPainter& painter, const QTransform& toDevice) const {
    if (isAnimating()) return false;
    const LayerProps& p = drawnProps();
    if (m_dragged) return drawDragged(painter, toDevice, p);
    if (!m_growing) return false;
    return m_growing->draw(painter, toDevice, p.bounds, strokeLook(p));
}

StrokeLook ShapeLayer::strokeLook(const LayerProps& p) const {
    StrokeLook look;
    look.pen = pen(m_shape);
    if (castsShadow()) {
        look.shadowOpacity = p.shadowOpacity;
        look.shadowColor = p.shadowColor;
        look.shadowRadius = p.shadowRadius;
        look.shadowOffset = p.shadowOffset;
    }
    return look;
}

bool ShapeLayer::drawDragged(QPainter& painter, const QTransform& toDevice,
                             const LayerProps& p) const {
    // Only what the shape itself paints: a background, border or image
    // over it would be painted in the wrong order.
    if (visible(p.backgroundColor) || !p.contents.isNull() ||
        (p.borderWidth > 0 && visible(p.borderColor)))
        return false;
    OutlinePaint::Look look{strokeLook(p), m_shape.fillColor, m_shape.fillRule};
    return OutlinePaint::draw(painter, toDevice, m_shape.path, look);
}

void ShapeLayer::setFillColor(const QColor& color) {
    if (!sameColor(color, m_shape.fillColor))
        changeShape(&ShapeProps::fillColor, color, "fillColor");
}

void ShapeLayer::setFillRule(Qt::FillRule rule) {
    changeShape(&ShapeProps::fillRule, rule, "fillRule");
}

void ShapeLayer::setStrokeColor(const QColor& color) {
    if (!sameColor(color, m_shape.strokeColor))
        changeShape(&ShapeProps::strokeColor, color, "strokeColor");
}

void ShapeLayer::setLineWidth(double width) {
    if (std::isfinite(width))
        changeShape(&ShapeProps::lineWidth, std::max(width, 0.0), "lineWidth");
}

void ShapeLayer::setLineCap(Qt::PenCapStyle cap) {
    changeShape(&ShapeProps::lineCap, cap, "lineCap");
}

void ShapeLayer::setLineJoin(Qt::PenJoinStyle join) {
    changeShape(&ShapeProps::lineJoin, join, "lineJoin");
}

const ShapeProps& ShapeLayer::drawnShape() const {
    if (!isAnimating()) return m_shape;
    drawnProps(); // brings the presentation up to date
    return m_presented;
}

double ShapeLayer::strokeReach(const ShapeProps& s) {
    if (!visible(s.strokeColor) || s.lineWidth <= 0) return 0.0;
    return PathBounds::penReach(pen(s));
}

QRectF ShapeLayer::contentRect() const {
    const ShapeProps& s = drawnShape();
    if (&s == &m_shape && m_rectValid) return m_rect;
    QRectF rect;
    if (!s.path.isEmpty() && (visible(s.fillColor) || visible(s.strokeColor))) {
        rect = s.path.controlPointRect();
        const double reach = strokeReach(s) + 0.5; // antialiasing
        rect.adjust(-reach, -reach, reach, reach);
    }
    if (&s == &m_shape) {
        m_rect = rect;
        m_rectValid = true;
    }
    return rect;
}

bool ShapeLayer::hasContent() const {
    const ShapeProps& s = drawnShape();
    return !s.path.isEmpty() && (visible(s.fillColor) || visible(s.strokeColor));
}

void ShapeLayer::drawContent(QPainter& painter) const {
    const ShapeProps& s = drawnShape();
    if (s.path.isEmpty()) return;
    if (visible(s.fillColor)) {
        if (s.path.fillRule() == s.fillRule) {
            painter.fillPath(visibleFill(painter, s.path), s.fillColor);
        } else {
            QPainterPath ruled = s.path;
            ruled.setFillRule(s.fillRule);
            painter.fillPath(visibleFill(painter, ruled), s.fillColor);
        }
    }
    if (visible(s.strokeColor) && s.lineWidth > 0)
        painter.strokePath(visibleStroke(painter, s.path, strokeReach(s)), pen(s));
}

QPen ShapeLayer::pen(const ShapeProps& s) {
    QPen pen(s.strokeColor, s.lineWidth, Qt::SolidLine, s.lineCap, s.lineJoin);
    // Qt measures the miter from the join point, in pen widths: half the
    // usual miter-length ratio.
    pen.setMiterLimit(miterLimit / 2);
    return pen;
}

QVariant ShapeLayer::ownModelValue(const QString& key) const {
    return m_shape.read(key);
}

QVariant ShapeLayer::ownPresentedValue(const QString& key) const {
    return drawnShape().read(key);
}

bool ShapeLayer::setOwnPresentedValue(const QString& key, const QVariant& value) {
    return m_presented.write(key, value);
}

bool ShapeLayer::isAnimatableKey(const QString& key) const {
    return key == "path" || key == "fillColor" || key == "strokeColor" || key == "lineWidth" ||
           Layer::isAnimatableKey(key);
}
