#pragma once
// An animation attached to a layer, with the time it runs (layers only).
#include "layers/Layer.h"
#include "layers/Transaction.h"

struct Layer::RunningAnimation {
    QString key;
    std::unique_ptr<Animation> animation;
    double begin = 0.0;
    double length = 0.0;
    bool startsWhenAdded = true;
    bool stopped = false; // ended and reported; kept only to hold its last value
    std::shared_ptr<Transaction::Token> token;

    bool endedAt(double t) const { return t - begin >= length; }
    void stop(bool finished) {
        if (stopped) return;
        stopped = true;
        if (animation->onStop) animation->onStop(finished);
        token.reset(); // may complete the transaction it belonged to
    }
};
