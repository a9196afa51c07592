#include "ScreenCheck.h"

#include <QDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ScreenCheck {
namespace {
// Anti-aliasing and the compositor's rounding stay well below this.
constexpr int changeThreshold = 48;

bool differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) > changeThreshold ||
           std::abs(qGreen(a) - qGreen(b)) > changeThreshold ||
           std::abs(qBlue(a) - qBlue(b)) > changeThreshold;
}
} // namespace

QString HandPlace::describe() const {
    return QStringLiteral("%1 changed pixels, nearest %2 px from the mouse, highest %3 px above "
                          "and %4 px right of it")
        .arg(changedPixels)
        .arg(nearestToMouse, 0, 'f', 1)
        .arg(highestAboveMouse)
        .arg(highestRightOfMouse, 0, 'f', 1);
}

HandPlace handPlace(const QImage& before, const QImage& after, QPoint mouse) {
    HandPlace place;
    if (before.size() != after.size() || before.isNull()) return place;
    const QImage a = before.convertToFormat(QImage::Format_RGB32);
    const QImage b = after.convertToFormat(QImage::Format_RGB32);
    int highest = -1;
    double highestXSum = 0;
    int highestCount = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (!differs(rowA[x], rowB[x])) continue;
            ++place.changedPixels;
            if (highest < 0) highest = y;
            if (y == highest) {
                highestXSum += x;
                ++highestCount;
            }
            place.nearestToMouse =
                std::min(place.nearestToMouse, std::hypot(x - mouse.x(), y - mouse.y()));
        }
    }
    if (highestCount) {
        place.highestAboveMouse = mouse.y() - highest;
        place.highestRightOfMouse = highestXSum / highestCount - mouse.x();
    }
    return place;
}

bool fingertipOnMouse(const HandPlace& place) {
    // A hand is thousands of pixels; a few stray ones are not a hand. The
    // fingertip point is the top of the finger's outline path: the outline's
    // outer half and its soft shadow rise a few pixels above it.
    constexpr double onTheMouse = 3;
    constexpr int outlineAbove = 8;
    constexpr double besideTheTip = 5;
    return place.changedPixels > 1000 && place.nearestToMouse <= onTheMouse &&
           place.highestAboveMouse <= outlineAbove &&
           std::abs(place.highestRightOfMouse) <= besideTheTip;
}

ColourSpread spreadOf(const QImage& image, const QRect& area, const QColor& colour, int tolerance) {
    ColourSpread spread;
    const QRect r = area.intersected(image.rect());
    double sumX = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - colour.red()) <= tolerance &&
                std::abs(qGreen(p) - colour.green()) <= tolerance &&
                std::abs(qBlue(p) - colour.blue()) <= tolerance) {
                ++spread.count;
                sumX += x;
            }
        }
    if (spread.count) spread.meanX = sumX / spread.count;
    return spread;
}

double brightness(const QImage& image, const QRect& area) {
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty()) return 0;
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (double(r.width()) * r.height());
}

void keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("HANDWICK_E2E_SHOTS");
    if (dir.isEmpty() || image.isNull()) return;
    QDir().mkpath(dir);
    image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace ScreenCheck
