#pragma once
#include "layers/Layer.h"

// A long bar with round ends (a rounded rectangle whose corner radius is half
// its width), such as the stick under the hand. Turned, it is painted
// straight into the pixels from its distance to its middle line: a bitmap
// of a long bar drawn turned costs filtering and edge smoothing on every row
// it crosses, at every frame the bar moves or turns.
class BarLayer : public Layer {
  public:
    static std::shared_ptr<BarLayer> make() { return std::make_shared<BarLayer>(); }

  protected:
    bool drawDirectly(QPainter& painter, const QTransform& toDevice) const override;
};
