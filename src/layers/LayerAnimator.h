#pragma once

// Drives every running animation. Call advance() once per frame before
// collecting damage: it fixes the frame time that presentation values are
// drawn at, marks the animated layers' old and new areas dirty in their roots,
// and removes animations that have ended (which may complete transactions).
class LayerAnimator {
  public:
    static void advance();
    // Whether any layer anywhere still has a running animation.
    static bool hasRunningAnimations();
};
