#pragma once
#include "layers/Layer.h"
#include "layers/StrokeLook.h"

#include <QPainterPath>
#include <memory>

class GrowingPaint;

// The look of a shape layer; a colour that is not valid means "none".
struct ShapeProps {
    QPainterPath path; // bounds coordinates, y up
    QColor fillColor{Qt::black};
    Qt::FillRule fillRule = Qt::WindingFill;
    QColor strokeColor;
    double lineWidth = 1.0;
    Qt::PenCapStyle lineCap = Qt::FlatCap;
    Qt::PenJoinStyle lineJoin = Qt::MiterJoin;

    QVariant read(const QString& keyPath) const;
    bool write(const QString& keyPath, const QVariant& value);
};

// A layer that fills and strokes a path. Its shadow is cast by the painted
// fill and stroke. Changing the path repaints only the subpaths that changed
// (a moving hole in a screen-sized dimming costs the hole, not the screen).
class ShapeLayer : public Layer {
  public:
    ShapeLayer();
    ~ShapeLayer() override;
    static std::shared_ptr<ShapeLayer> make() { return std::make_shared<ShapeLayer>(); }

    QPainterPath path() const { return m_shape.path; }
    void setPath(const QPainterPath& path);
    // A path being drawn, growing at its end: `path` keeps the first `kept`
    // elements of the path before (0: it may differ anywhere). A stroke-only
    // shape then paints from bitmaps that each new piece updates around
    // itself, so a piece costs the same however long the path already is.
    void extendPath(const QPainterPath& path, int kept);
    // A path remade whole at every move while it is dragged out (an arrow,
    // a box): until finishGrowing(), the layer paints straight into the
    // picture from the distance to its outline, where it can.
    void dragPath(const QPainterPath& path);
    // The path is complete: it paints like any other shape from now on.
    void finishGrowing();
    bool isGrowing() const override { return bool(m_growing) || m_dragged; }
    QColor fillColor() const { return m_shape.fillColor; }
    void setFillColor(const QColor& color);
    Qt::FillRule fillRule() const { return m_shape.fillRule; }
    void setFillRule(Qt::FillRule rule);
    QColor strokeColor() const { return m_shape.strokeColor; }
    void setStrokeColor(const QColor& color);
    double lineWidth() const { return m_shape.lineWidth; }
    void setLineWidth(double width);
    Qt::PenCapStyle lineCap() const { return m_shape.lineCap; }
    void setLineCap(Qt::PenCapStyle cap);
    // Miter joins are cut off at 10 line widths from point to point.
    Qt::PenJoinStyle lineJoin() const { return m_shape.lineJoin; }
    void setLineJoin(Qt::PenJoinStyle join);

  protected:
    void drawContent(QPainter& painter) const override;
    QRectF contentRect() const override;
    bool hasContent() const override;
    bool drawDirectly(QPainter& painter, const QTransform& toDevice) const override;
    QVariant ownModelValue(const QString& keyPath) const override;
    QVariant ownPresentedValue(const QString& keyPath) const override;
    bool setOwnPresentedValue(const QString& keyPath, const QVariant& value) override;
    void resetOwnPresentation() override { m_presented = m_shape; }
    bool isAnimatableKey(const QString& key) const override;

  private:
    template <typename T> void changeShape(T ShapeProps::*field, const T& value, const char* key);
    const ShapeProps& drawnShape() const;
    // How far paint reaches beyond the path's control points.
    static double strokeReach(const ShapeProps& shape);
    static QPen pen(const ShapeProps& shape);
    QRectF strokedArea(const QRectF& area) const;
    QRectF withShadow(const QRectF& area) const;
    // Marks the local area whose body changed, with the shadow it casts.
    void markChangedBody(QRectF area);
    // Marks thin pieces along the changed part of both outlines instead (a
    // large box being dragged changes its edges, not what they enclose);
    // false, marking nothing, when pieces would not pay.
    bool markChangedOutline(const QPainterPath& old, const QPainterPath& now);
    bool drawDragged(QPainter& painter, const QTransform& toDevice, const LayerProps& p) const;
    // The pen, and the shadow when the layer casts one.
    StrokeLook strokeLook(const LayerProps& p) const;

    ShapeProps m_shape;
    ShapeProps m_presented;
    mutable bool m_rectValid = false;
    mutable QRectF m_rect;
    mutable std::unique_ptr<GrowingPaint> m_growing;
    bool m_dragged = false;
};
