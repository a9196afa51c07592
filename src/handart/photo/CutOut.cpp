#include "handart/photo/CutOut.h"
#include "handart/photo/ForegroundMask.h"

#include <QColorSpace>
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {
// A picture brings its own mask when at least this share of it is see-through.
constexpr double kTransparentShare = 0.01;

cv::Mat wrap(const QImage& image) {
    return cv::Mat(image.height(), image.width(), CV_8UC4, const_cast<uchar*>(image.constBits()),
                   size_t(image.bytesPerLine()));
}

QImage toQImage(const cv::Mat& rgba) {
    QImage image(rgba.cols, rgba.rows, QImage::Format_RGBA8888);
    if (image.isNull()) return image;
    for (int y = 0; y < rgba.rows; ++y)
        std::copy_n(rgba.ptr<uchar>(y), size_t(rgba.cols) * 4, image.scanLine(y));
    image.setColorSpace(QColorSpace::SRgb);
    return image;
}

bool hasOwnTransparency(const cv::Mat& rgba) {
    cv::Mat alpha;
    cv::extractChannel(rgba, alpha, 3);
    return cv::countNonZero(alpha < 250) >= kTransparentShare * double(alpha.total());
}

// The picture's own alpha is the mask: crop to what is visible, then shrink
// premultiplied so no hidden colour bleeds into the edge.
std::optional<QImage> cutOutByAlpha(const QImage& photo, const cv::Mat& rgba) {
    cv::Mat alpha, solid;
    cv::extractChannel(rgba, alpha, 3);
    const double share = cv::countNonZero(alpha >= 129) / double(alpha.total());
    if (share < 0.005) return std::nullopt;
    const cv::Rect box = cv::boundingRect(alpha > 0);
    QImage crop = photo.copy(box.x, box.y, box.width, box.height)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (crop.height() > CutOut::kMaxHeight)
        crop = crop.scaledToHeight(CutOut::kMaxHeight, Qt::SmoothTransformation);
    crop.convertTo(QImage::Format_RGBA8888);
    crop.setColorSpace(QColorSpace::SRgb);
    return crop;
}

double workingFactor(const cv::Mat& rgba) {
    return std::min(1.0, double(CutOut::kWorkingSide) / std::max(rgba.cols, rgba.rows));
}

// A strip of a picture (1300 × 1). Shrunk to the working size it would have
// no rows at all; nothing in it could be a hand anyway.
bool tooThin(const cv::Mat& rgba) {
    return std::min(rgba.cols, rgba.rows) * workingFactor(rgba) < CutOut::kThinnestSide;
}

cv::Mat workingCopy(const cv::Mat& rgba) {
    const double factor = workingFactor(rgba);
    cv::Mat small, rgb;
    cv::resize(rgba, small, cv::Size(), factor, factor, cv::INTER_AREA);
    cv::cvtColor(small, rgb, cv::COLOR_RGBA2RGB);
    return rgb;
}

// Maps output pixels to working-copy pixels (centres to centres) for warpAffine.
cv::Matx23d outputToWorking(const cv::Rect& crop, cv::Size out, cv::Size full, cv::Size work) {
    const double sx = double(crop.width) / out.width, sy = double(crop.height) / out.height;
    const double wx = double(work.width) / full.width, wy = double(work.height) / full.height;
    return {sx * wx, 0, (crop.x + 0.5 * sx) * wx - 0.5, 0, sy * wy, (crop.y + 0.5 * sy) * wy - 0.5};
}

// The working mask enlarged to the output: the staircase of the enlargement is
// rounded off, then the edge made crisp again, a little inside the subject so
// the background's colour does not fringe it.
cv::Mat outputAlpha(const cv::Mat& mask, const cv::Matx23d& toWorking, cv::Size out) {
    cv::Mat alpha;
    cv::warpAffine(mask, alpha, toWorking, out, cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                   cv::BORDER_CONSTANT, cv::Scalar(0));
    const double enlargement = 1.0 / std::max(1e-6, toWorking(0, 0));
    if (enlargement > 1.5) {
        cv::GaussianBlur(alpha, alpha, cv::Size(), 0.5 * enlargement);
        const double gain = std::max(1.0, 1.3 * enlargement);
        alpha.convertTo(alpha, CV_8U, gain, 128.0 - 140.0 * gain);
    }
    cv::GaussianBlur(alpha, alpha, cv::Size(), 0.6); // a slightly feathered edge
    return alpha;
}

std::optional<QImage> compose(const cv::Mat& rgba, const cv::Mat& mask) {
    const cv::Size full = rgba.size(), work = mask.size();
    const cv::Rect box = cv::boundingRect(mask);
    const double fx = double(full.width) / work.width, fy = double(full.height) / work.height;
    const int padX = int(std::ceil(fx)), padY = int(std::ceil(fy));
    cv::Rect crop(
        cv::Point(int(std::floor(box.x * fx)) - padX, int(std::floor(box.y * fy)) - padY),
        cv::Point(int(std::ceil(box.br().x * fx)) + padX, int(std::ceil(box.br().y * fy)) + padY));
    crop &= cv::Rect(cv::Point(), full);

    const double shrink = std::min(1.0, double(CutOut::kMaxHeight) / crop.height);
    const cv::Size out(std::max(1, int(std::lround(crop.width * shrink))),
                       std::max(1, int(std::lround(crop.height * shrink))));
    cv::Mat colour;
    if (out == crop.size())
        colour = rgba(crop).clone();
    else
        cv::resize(rgba(crop), colour, out, 0, 0, cv::INTER_AREA);

    const cv::Mat alpha = outputAlpha(mask, outputToWorking(crop, out, full, work), out);
    cv::insertChannel(alpha, colour, 3);
    colour.setTo(cv::Scalar::all(0), alpha == 0);

    const cv::Rect visible = cv::boundingRect(alpha > 0);
    if (visible.empty()) return std::nullopt;
    return toQImage(colour(visible));
}

QImage rgbaOf(const QImage& photo) {
    return photo.format() == QImage::Format_RGBA8888
               ? photo
               : photo.convertToFormat(QImage::Format_RGBA8888);
}
} // namespace

std::optional<QImage> CutOut::make(const QImage& photo) {
    if (photo.isNull()) return std::nullopt;
    const QImage image = rgbaOf(photo);
    const cv::Mat rgba = wrap(image);
    if (tooThin(rgba)) return std::nullopt;
    if (hasOwnTransparency(rgba)) return cutOutByAlpha(image, rgba);

    const cv::Mat mask = ForegroundMask::find(workingCopy(rgba));
    if (mask.empty()) return std::nullopt;
    return compose(rgba, mask);
}

QImage CutOut::subjectMask(const QImage& photo) {
    if (photo.isNull()) return {};
    const QImage image = rgbaOf(photo);
    const cv::Mat rgba = wrap(image);
    if (tooThin(rgba) || hasOwnTransparency(rgba)) return {};
    const cv::Mat mask = ForegroundMask::find(workingCopy(rgba));
    if (mask.empty()) return {};
    QImage out(mask.cols, mask.rows, QImage::Format_Grayscale8);
    for (int y = 0; y < mask.rows; ++y)
        std::copy_n(mask.ptr<uchar>(y), size_t(mask.cols), out.scanLine(y));
    return out;
}
