#pragma once
#include "layers/Layer.h"

#include <QPainterPath>

// The look of a shape layer; a colour that is not valid means "none".
struct ShapeProps {
    QPainterPath path; // bounds coordinates, y up
    QColor fillColor{Qt::black};
    Qt::FillRule fillRule = Qt::WindingFill;
    QColor strokeColor;
    double lineWidth = 1.0;
    Qt::PenCapStyle lineCap = Qt::FlatCap;
    Qt::PenJoinStyle lineJoin = Qt::MiterJoin;
    double miterLimit = 10.0;

    QVariant read(const QString& keyPath) const;
    bool write(const QString& keyPath, const QVariant& value);
};

// A layer that fills and strokes a path. Its shadow is cast by the painted
// fill and stroke. Changing the path repaints only the subpaths that changed
// (a moving hole in a screen-sized dimming costs the hole, not the screen).
class ShapeLayer : public Layer {
  public:
    static std::shared_ptr<ShapeLayer> make() { return std::make_shared<ShapeLayer>(); }

    QPainterPath path() const { return shape_.path; }
    void setPath(const QPainterPath& path);
    QColor fillColor() const { return shape_.fillColor; }
    void setFillColor(const QColor& color);
    Qt::FillRule fillRule() const { return shape_.fillRule; }
    void setFillRule(Qt::FillRule rule);
    QColor strokeColor() const { return shape_.strokeColor; }
    void setStrokeColor(const QColor& color);
    double lineWidth() const { return shape_.lineWidth; }
    void setLineWidth(double width);
    Qt::PenCapStyle lineCap() const { return shape_.lineCap; }
    void setLineCap(Qt::PenCapStyle cap);
    Qt::PenJoinStyle lineJoin() const { return shape_.lineJoin; }
    void setLineJoin(Qt::PenJoinStyle join);
    double miterLimit() const { return shape_.miterLimit; }
    void setMiterLimit(double limit);

  protected:
    void drawContent(QPainter& painter) const override;
    QRectF contentRect() const override;
    bool hasContent() const override;
    QVariant ownModelValue(const QString& keyPath) const override;
    QVariant ownPresentedValue(const QString& keyPath) const override;
    bool setOwnPresentedValue(const QString& keyPath, const QVariant& value) override;
    void resetOwnPresentation() override { presented_ = shape_; }
    bool isAnimatableKey(const QString& key) const override;

  private:
    template <typename T> void changeShape(T ShapeProps::*field, const T& value, const char* key);
    const ShapeProps& drawnShape() const;
    // How far paint reaches beyond the path's control points.
    static double strokeReach(const ShapeProps& shape);

    ShapeProps shape_;
    ShapeProps presented_;
    mutable bool rectValid_ = false;
    mutable QRectF rect_;
};
