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

    // Installs the sprite of hand `id` at `height` points.
    void use(const HandSprite& sprite, const QString& id, double height);
    // Whether the installed sprite is the one of hand `id` at `height` points.
    bool shows(const QString& id, double height) const {
        return m_sprite && id == m_spriteID && height == m_spriteHeight;
    }
    // The next frame installs a sprite again (sprites of the same hand changed).
    void forgetSprite() { m_spriteID.clear(); }

    double scale() const { return m_scale; }
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

    // What the dimming's path was last built for: a frame whose spot stays
    // off this screen (or still) need not build it again.
    struct DimShape {
        bool hole = false;
        QPointF centre;
        double radius = 0;
        bool operator==(const DimShape&) const = default;
    };
    std::optional<DimShape> dimShape;

  private:
    double m_scale;
    QString m_spriteID;
    double m_spriteHeight = 0;
    std::optional<HandSprite> m_sprite;
};
