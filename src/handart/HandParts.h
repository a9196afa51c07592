#pragma once
#include <QPainterPath>
#include <QPointF>
#include <array>

// The fixed shapes a hand is built from, in hand coordinates (the 120 × 152
// unit box shifted by (10, 10)), y downward.
struct HandParts {
    QPainterPath finger;
    QPainterPath fist;
    std::array<QPainterPath, 3> knuckles;
    QPainterPath thumb;
    QPainterPath cuff;
    QPainterPath wrist;

    HandParts();

    // The outline of the whole hand, ending in the cuff or the bare wrist.
    QPainterPath hand(bool cuffed) const { return hand(cuffed, palm()); }
    // The same, reusing a `palm()` already built.
    QPainterPath hand(bool cuffed, const QPainterPath& palm) const;
    // Finger, fist and knuckles as one area.
    QPainterPath palm() const;

    // A rounded bar of width `width` whose centre line runs from `from` to `to`.
    static QPainterPath capsule(QPointF from, QPointF to, double width);
    static QPainterPath roundedRect(double x, double y, double width, double height, double radius);
    // The true area union under the non-zero rule, so it can be stroked.
    static QPainterPath united(std::initializer_list<const QPainterPath*> shapes);
};
