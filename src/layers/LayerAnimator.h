#pragma once

// Drives every running animation. Call advance() once per frame before
// collecting damage: it fixes the frame time that presentation values are
// drawn at, marks the animated layers' old and new areas dirty in their roots,
// and stops (and reports) animations that have ended.
class LayerAnimator {
  public:
    static void advance();
    // Whether any layer anywhere still has a running (unfinished) animation.
    static bool hasRunningAnimations();
    // The time presentation values are evaluated at: the last advance().
    static double frameTime();
};
