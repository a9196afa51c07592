#pragma once
#include "handart/HandSprite.h"
#include <QImage>
#include <optional>

namespace PhotoSprite {
// A cut-out photo as a hand sprite exactly `height` points tall, with a soft
// shadow falling 2 points down; fingertip and wrist found from its alpha, the
// stick made of wood. Nothing when the bitmap would be less than a pixel wide
// or high, or absurdly large.
std::optional<HandSprite> make(const QImage& cutOut, double height, double scale);
} // namespace PhotoSprite
