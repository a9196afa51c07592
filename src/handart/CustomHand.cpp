#include "handart/CustomHand.h"

CustomHand& CustomHand::shared() {
    static CustomHand* instance = new CustomHand();
    return *instance;
}

CustomHand::CustomHand(QObject* parent) : QObject(parent) {}

void CustomHand::setImage(const QImage& image) {
    if (image == m_image) return;
    m_image = image;
    emit imageChanged();
}

void CustomHand::setError(const QString& error) {
    if (error == m_error) return;
    m_error = error;
    emit errorChanged();
}

std::optional<HandSprite> CustomHand::sprite(double, double) const {
    // The photo import fills this in; without an image there is no sprite.
    return std::nullopt;
}
