#include "devtools/DevTools.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <tuple>

namespace DevTools {
namespace {
constexpr int columns = 7;
constexpr double cellWidth = 150, cellHeight = 170, sheetWidth = 1050;
constexpr double pixelsPerPoint = 2;
constexpr double handHeight = 130;

// Every skin in a grid of 7 columns, its id underneath; drawn in points.
QImage handSheet(double grey, const QColor& labelColor) {
    const auto& skins = HandSkin::all();
    const int rows = int(skins.size() + columns - 1) / columns;
    QImage sheet(int(sheetWidth * pixelsPerPoint), int(rows * cellHeight * pixelsPerPoint),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(pixelsPerPoint);
    sheet.fill(QColor::fromRgbF(float(grey), float(grey), float(grey)));

    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(labelColor);
    for (size_t i = 0; i < skins.size(); ++i) {
        const double left = double(i % columns) * cellWidth, top = double(i / columns) * cellHeight;
        const HandSprite sprite = HandPainter::render(skins[i], handHeight, pixelsPerPoint);
        const QRectF place(left + (cellWidth - sprite.size.width()) / 2, top + 6,
                           sprite.size.width(), sprite.size.height());
        p.drawImage(place, sprite.image);
        p.drawText(QRectF(left + 8, top + 156, cellWidth - 8, cellHeight - 156),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, skins[i].id);
    }
    return sheet;
}

void printLine(const QString& line) {
    std::fputs((line + u'\n').toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}
} // namespace

bool renderHands(const QString& dir) {
    const QDir folder(dir);
    bool written = QDir().mkpath(dir) && folder.exists();
    for (const auto& [name, grey, label] : {std::tuple{"hands-light.png", 0.95, QColor(Qt::black)},
                                            {"hands-dark.png", 0.12, QColor(Qt::white)}})
        written =
            written && handSheet(grey, label).save(folder.filePath(QLatin1String(name)), "PNG");
    if (!written) {
        // A folder that cannot be made or written must not look like success.
        std::fputs(qPrintable(QStringLiteral("handwick: cannot write the hand sheets into %1\n")
                                  .arg(QDir::toNativeSeparators(dir))),
                   stderr);
        return false;
    }
    printLine(QStringLiteral("wrote ") + dir);
    printLine(QStringLiteral("EXIT 0"));
    return true;
}
} // namespace DevTools
