#pragma once
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVariant>

// Whether a colour paints anything: not "none", and not wholly clear.
inline bool visible(const QColor& c) {
    return c.isValid() && c.alpha() > 0;
}

// The state of a plain layer that can be set, animated and drawn. Points,
// y up; a colour that is not valid means "none".
struct LayerProps {
    QRectF bounds;
    QPointF position;
    QPointF anchorPoint{0.5, 0.5};
    QTransform transform;
    bool hidden = false;
    double opacity = 1.0;
    QImage contents;
    double contentsScale = 1.0;
    QColor backgroundColor;
    QColor borderColor{Qt::black};
    double borderWidth = 0.0;
    double cornerRadius = 0.0;
    QColor shadowColor{Qt::black};
    double shadowOpacity = 0.0;
    double shadowRadius = 3.0;
    QPointF shadowOffset{0.0, -3.0};
    bool masksToBounds = false;

    // Key-path access for animations: the animatable properties by name, and
    // "transform.scale". read() answers an invalid QVariant for an unknown
    // key; write() answers false and changes nothing for an unknown key or a
    // value of the wrong kind.
    QVariant read(const QString& keyPath) const;
    bool write(const QString& keyPath, const QVariant& value);

    // Where the anchor point sits in bounds coordinates.
    QPointF anchorInBounds() const;
    // Maps bounds coordinates into the superlayer's coordinates.
    QTransform toSuperlayer() const;
};
