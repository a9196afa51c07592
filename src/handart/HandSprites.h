#pragma once
// Stand-in until the sprite provider lands: serves sprites through the painter.
#include "handart/HandSprite.h"
#include <QObject>
class CustomHand;
class HandSprites : public QObject {
    Q_OBJECT
  public:
    explicit HandSprites(const CustomHand& custom, QObject* parent = nullptr);
    HandSprite sprite(const QString& id, double height, double scale);
  signals:
    void changed();
};
