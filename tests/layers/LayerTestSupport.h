#pragma once
// Shared by the layer tests.
#include "layers/Layer.h"

// Counts how often its content is drawn: not at all while a bitmap stands in.
template <typename Base> class Counted : public Base {
  public:
    mutable int draws = 0;

  protected:
    void drawContent(QPainter& painter) const override {
        ++draws;
        Base::drawContent(painter);
    }
};

inline LayerPtr makeRoot(double w, double h) {
    auto root = Layer::make();
    root->setBounds({0, 0, w, h});
    root->setPosition({w / 2, h / 2});
    root->setMasksToBounds(true);
    return root;
}

template <typename T> std::shared_ptr<T> add(const LayerPtr& to, std::shared_ptr<T> layer) {
    to->addSublayer(layer);
    return layer;
}
