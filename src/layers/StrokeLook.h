#pragma once
// How a stroke and its drop shadow look, for the painters of paths that go
// around the generic way (a stroke growing, an outline being dragged).

#include <QColor>
#include <QPen>
#include <QPointF>

struct StrokeLook {
    QPen pen;                 // its width sets how far from the path it paints
    double shadowOpacity = 0; // 0: no shadow
    QColor shadowColor;
    double shadowRadius = 0; // points
    QPointF shadowOffset;    // local coordinates, y up
};
