#include "devtools/Snapshot.h"
#include "layers/LayerRenderer.h"
#include "overlay/OverlayWindow.h"
#include "overlay/Pointer.h"
#include "ui/ToolbarPanel.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace DevTools {
namespace {
const OverlayWindow* mainOverlay(const Pointer& pointer) {
    const QScreen* main = QGuiApplication::primaryScreen();
    for (const auto& window : pointer.windows())
        if (window->targetScreen() == main) return window.get();
    return nullptr;
}

const ToolbarPanel* visibleToolbar() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* panel = qobject_cast<ToolbarPanel*>(widget); panel && panel->isVisible())
            return panel;
    return nullptr;
}
} // namespace

bool renderPointer(const Pointer& pointer, const QString& file) {
    const OverlayWindow* overlay = mainOverlay(pointer);
    if (!overlay || !overlay->view().root) return false;
    const QSize size = overlay->size();
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    // A pale desk for the hand and the ink to stand out on: lighter at the bottom.
    QLinearGradient desk(0, size.height(), 0, 0);
    desk.setColorAt(0, QColor::fromRgbF(0.93f, 0.94f, 0.97f));
    desk.setColorAt(1, QColor::fromRgbF(0.8f, 0.85f, 0.93f));
    painter.fillRect(picture.rect(), desk);
    LayerRenderer::paint(painter, *overlay->view().root, QRegion(picture.rect()));
    if (const ToolbarPanel* toolbar = visibleToolbar()) {
        const QPoint at = toolbar->geometry().topLeft() - overlay->geometry().topLeft();
        painter.drawPixmap(QRect(at, toolbar->size()), const_cast<ToolbarPanel*>(toolbar)->grab());
    }
    painter.end();
    return picture.save(file, "PNG");
}

void demo(Pointer& pointer) {
    pointer.turnOn();
    const QScreen* main = QGuiApplication::primaryScreen();
    if (!main) return;
    const double w = main->geometry().width(), h = main->geometry().height();
    auto at = [w, h](double x, double y) { return QPointF(x * w, y * h); };
    pointer.demoInk(
        {
            {Tool::pen, {at(0.18, 0.62), at(0.24, 0.66), at(0.30, 0.61), at(0.36, 0.65)}},
            {Tool::arrow, {at(0.45, 0.40), at(0.56, 0.52)}},
            {Tool::box, {at(0.60, 0.48), at(0.80, 0.60)}},
            {Tool::highlighter, {at(0.18, 0.30), at(0.42, 0.30)}},
        },
        {at(0.62, 0.70), at(0.70, 0.70)});
}

} // namespace DevTools
