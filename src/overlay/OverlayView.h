#pragma once
// The layer tree of one screen's overlay: the dimming, the ink, the hand on
// its stick, the laser with its trail and short-lived effects, bottom to top.
// All positions are in this view's points, y up, origin bottom-left.

#include "handart/HandSprite.h"
#include "layers/Layer.h"
#include "layers/ShapeLayer.h"

#include <QString>
#include <optional>

class OverlayView {
public:
    // `scale` is the backing scale factor of the screen the view is shown on.
    OverlayView(QSizeF size, double scale);

    // Installs a hand sprite; does nothing when `key` is the one installed.
    void use(const HandSprite& sprite, const QString& key);

    // The next `use` installs whatever it is given (the custom photo changed).
    void forgetSprite() { m_spriteKey.clear(); }

    double scale() const { return m_scale; }
    QString spriteKey() const { return m_spriteKey; }
    const std::optional<HandSprite>& sprite() const { return m_sprite; }

    LayerPtr root;
    std::shared_ptr<ShapeLayer> dim;
    LayerPtr ink;
    LayerPtr arm;
    LayerPtr stick;
    LayerPtr hand;
    LayerPtr laser;
    std::shared_ptr<ShapeLayer> trail;
    LayerPtr effects;

private:
    double m_scale;
    QString m_spriteKey;
    std::optional<HandSprite> m_sprite;
};
