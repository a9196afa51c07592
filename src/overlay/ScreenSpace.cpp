#include "overlay/ScreenSpace.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace ScreenSpace {

QList<QScreen*> screensMainFirst() {
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* main = QGuiApplication::primaryScreen()) {
        screens.removeAll(main);
        screens.prepend(main);
    }
    // A mirrored screen (a projector showing the laptop's picture) is one
    // place on the desktop: a second overlay there would dim and draw twice.
    QList<QScreen*> distinct;
    for (QScreen* screen : screens)
        if (std::none_of(distinct.begin(), distinct.end(),
                         [&](QScreen* kept) { return kept->geometry() == screen->geometry(); }))
            distinct << screen;
    return distinct;
}

QPointF toModel(QPointF qtGlobal, const QRectF& main) {
    return {qtGlobal.x() - main.left(), main.top() + main.height() - qtGlobal.y()};
}

QRectF frameToModel(const QRectF& g, const QRectF& main) {
    return {g.left() - main.left(), main.top() + main.height() - (g.top() + g.height()), g.width(),
            g.height()};
}

namespace {
QRectF mainGeometry() {
    const QScreen* main = QGuiApplication::primaryScreen();
    return main ? QRectF(main->geometry()) : QRectF();
}
} // namespace

QPointF toModel(QPointF qtGlobal) {
    return toModel(qtGlobal, mainGeometry());
}
QRectF frameToModel(const QRectF& qtGeometry) {
    return frameToModel(qtGeometry, mainGeometry());
}
QPointF mouseLocation() {
    return toModel(QCursor::pos());
}

bool holds(const QRectF& f, QPointF p) {
    return p.x() >= f.left() && p.x() < f.right() && p.y() > f.top() && p.y() <= f.bottom();
}

} // namespace ScreenSpace
