#include "handart/HandSprites.h"
#include "handart/CustomHand.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"
HandSprites::HandSprites(const CustomHand& custom, QObject* parent) : QObject(parent) {
    connect(&custom, &CustomHand::imageChanged, this, &HandSprites::changed);
}
HandSprite HandSprites::sprite(const QString& id, double height, double scale) {
    return HandPainter::sprite(HandSkin::find(id).value_or(HandSkin::classic()), height, scale);
}
