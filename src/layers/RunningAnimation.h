#pragma once
// An animation attached to a layer, with the time it runs (layers only).
#include "layers/Layer.h"
#include "layers/Transaction.h"

struct Layer::RunningAnimation {
    QString key;
    std::unique_ptr<Animation> animation;
    double begin = 0.0;
    double length = 0.0;
    // Released when the animation ends or is removed: may complete the
    // transaction it started in.
    std::shared_ptr<Transaction::Token> token;

    bool endedAt(double t) const { return t - begin >= length; }
};
