#pragma once
#include "handart/HandSprite.h"

#include <QHash>
#include <QObject>
#include <QString>

class CustomHand;

// The hand sprites the pointer shows. Each distinct (id, height, scale) is
// painted once and then served from the cache; "custom" is the user's photo
// while there is one. Main thread only.
class HandSprites : public QObject {
    Q_OBJECT
  public:
    explicit HandSprites(const CustomHand& custom, QObject* parent = nullptr);
    // The hand `id`, `height` points tall, at `scale` pixels per point; painted once, then
    // served from the cache. "custom" without a photo, and an id naming nothing, give the
    // classic hand.
    HandSprite sprite(const QString& id, double height, double scale);
  signals:
    // Sprites already handed out may be stale (the custom photo changed or went away).
    void changed();

  private:
    HandSprite paint(const QString& id, double height, double scale) const;

    const CustomHand& m_custom;
    // Keyed by HandPainter::cacheKey. The custom hand's own, since they go
    // stale with the photo while the painted skins never do.
    QHash<QString, HandSprite> m_painted;
    QHash<QString, HandSprite> m_customSprites;
};
