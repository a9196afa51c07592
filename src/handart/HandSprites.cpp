#include "handart/HandSprites.h"
#include "handart/CustomHand.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"
#include "handart/PhotoSprite.h"

HandSprites::HandSprites(const CustomHand& custom, QObject* parent)
    : QObject(parent), m_custom(custom) {
    connect(&custom, &CustomHand::imageChanged, this, [this] {
        m_customSprites.clear();
        emit changed();
    });
}

HandSprite HandSprites::sprite(const QString& id, double height, double scale) {
    QHash<QString, HandSprite>& cache = id == HandSkin::custom().id ? m_customSprites : m_painted;
    const QString key = HandPainter::cacheKey(id, height, scale);
    if (const auto found = cache.constFind(key); found != cache.constEnd()) return *found;
    const HandSprite made = paint(id, height, scale);
    cache.insert(key, made);
    return made;
}

HandSprite HandSprites::paint(const QString& id, double height, double scale) const {
    if (id == HandSkin::custom().id) {
        // Also nothing for a photo too narrow to be a pixel wide at this size.
        if (const auto photo = PhotoSprite::make(m_custom.image(), height, scale)) return *photo;
        return HandPainter::render(HandSkin::classic(), height, scale);
    }
    return HandPainter::render(HandSkin::find(id).value_or(HandSkin::classic()), height, scale);
}
