#include "ScreenCheck.h"

#include <QDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ScreenCheck {
// Anti-aliasing and the compositor's rounding stay well below this.
constexpr int changeThreshold = 48;

QString HandPlace::describe() const {
    return QString("%1 changed pixels, nearest %2 px from the mouse, highest %3 px above "
                   "and %4 px right of it")
        .arg(changedPixels)
        .arg(nearestToMouse, 0, 'f', 1)
        .arg(highestAboveMouse)
        .arg(highestRightOfMouse, 0, 'f', 1);
}

HandPlace handPlace(const QImage& before, const QImage& after, QPoint mouse) {
    HandPlace place;
    if (before.size() != after.size() || before.isNull()) return place;
    int highest = -1;
    double highestXSum = 0;
    int highestCount = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            if (near(before.pixelColor(x, y), after.pixelColor(x, y), changeThreshold)) continue;
            ++place.changedPixels;
            if (highest < 0) highest = y;
            if (y == highest) {
                highestXSum += x;
                ++highestCount;
            }
            place.nearestToMouse =
                std::min(place.nearestToMouse, std::hypot(x - mouse.x(), y - mouse.y()));
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

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

ColourSpread spreadOf(const QImage& image, const QRect& area, const QColor& colour, int tolerance) {
    ColourSpread spread;
    const QRect r = area.intersected(image.rect());
    double sumX = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (near(image.pixelColor(x, y), colour, tolerance)) {
                ++spread.count;
                sumX += x;
            }
    if (spread.count) spread.meanX = sumX / spread.count;
    return spread;
}

double brightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return image.isNull() ? 0 : sum / (double(image.width()) * image.height());
}

void keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("HANDWICK_E2E_SHOTS");
    if (dir.isEmpty() || image.isNull()) return;
    QDir().mkpath(dir);
    image.save(dir + '/' + name + ".png");
}

} // namespace ScreenCheck
