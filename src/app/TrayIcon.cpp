#include "app/TrayIcon.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"

#include <QPainter>

namespace TrayIcon {

namespace {
QPixmap square(const HandSkin& skin, int side) {
    // The sprite is 152/132 of its height tall; fit that into the square.
    const double height = side * 132.0 / 152.0;
    const HandSprite sprite = HandPainter::render(skin, height, 1.0);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF size = sprite.size;
    painter.drawImage(QRectF(QPointF((side - size.width()) / 2, (side - size.height()) / 2), size),
                      sprite.image);
    return pixmap;
}
} // namespace

QIcon icon(bool on) {
    static QIcon onIcon, offIcon;
    QIcon& cached = on ? onIcon : offIcon;
    if (cached.isNull()) {
        const HandSkin skin =
            HandSkin::find(on ? QStringLiteral("coral") : QStringLiteral("classic"))
                .value_or(HandSkin::classic());
        for (int side : {16, 22, 24, 32, 48, 64})
            cached.addPixmap(square(skin, side));
    }
    return cached;
}

} // namespace TrayIcon
