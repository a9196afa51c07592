#pragma once
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

// Made-up photographs of a pointing hand, with the exact mask that a perfect
// cut-out would find. The forearm always runs off the bottom edge.
namespace SyntheticHandPhoto {
enum class Backdrop { plain, softLight };

struct Options {
    QSize size{640, 480};
    Backdrop backdrop = Backdrop::plain;
    double noise = 0;     // standard deviation per channel, 0…255
    int jpegQuality = -1; // compressed and decoded again when 0…100
    bool castShadow = false;
};

struct Photo {
    QImage photo; // Format_RGB32
    QImage mask;  // Format_Grayscale8, 255 on the hand
    QPointF tip;  // top centre of the index finger, in pixels
    QRectF hand;  // bounding box of the hand, in pixels
};

Photo make(const Options& options);

// How well a cut-out's alpha matches the photo's hand, cropped to the hand:
// intersection over union, 1 for a perfect cut-out.
double overlapWithCutOut(const QImage& cutOut, const Photo& photo);
} // namespace SyntheticHandPhoto
