#include "handart/photo/ForegroundMask.h"
#include "handart/photo/BackgroundModel.h"
#include "handart/photo/MaskCleanup.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {
// A subject must cover at least this share of the picture (and not all of it).
constexpr double kMinShare = 0.005;
constexpr double kMaxShare = 0.95;
// Colour distances below this (Lab units) are never taken for a subject.
constexpr double kMinContrast = 6.0;
// How much darker than the background a shadow may plausibly be (Lab L).
constexpr double kShadowDepth = 12.0;

cv::Mat toLab(const cv::Mat& rgb) {
    cv::Mat smooth, unit, lab;
    // Grain and JPEG blocks would otherwise look like detail.
    cv::GaussianBlur(rgb, smooth, cv::Size(5, 5), 1.2);
    smooth.convertTo(unit, CV_32FC3, 1.0 / 255.0);
    cv::cvtColor(unit, lab, cv::COLOR_RGB2Lab);
    return lab;
}

cv::Mat disc(int diameter) {
    return cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(diameter, diameter));
}

// Otsu on the distance picks the gap between background and subject; half of
// it leans towards keeping all of the hand, even a hand in two colours. Never
// below what the background's own noise reaches.
double splitDistance(const cv::Mat& distance, double noise) {
    cv::Mat bytes, ignored;
    distance.convertTo(bytes, CV_8U, 2.55);
    const double otsu = cv::threshold(bytes, ignored, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    return std::max({kMinContrast, 4.0 * noise, 0.5 * otsu / 2.55});
}

// The background as a likelihood: tight in colour, loose towards darker, since
// a shadow darkens the background but hardly changes its hue.
struct BackgroundLikelihood {
    double light, shade, chroma;
    explicit BackgroundLikelihood(double noise)
        : light(std::max(3.0, 2.5 * noise)), shade(std::max(kShadowDepth, light)),
          chroma(std::max(2.0, 2.5 * noise)) {}
    double operator()(const cv::Vec3f& r) const {
        const double sl = r[0] < 0 ? shade : light;
        const double z2 =
            (r[0] * r[0]) / (sl * sl) + (r[1] * r[1] + r[2] * r[2]) / (chroma * chroma);
        return -0.5 * z2 - std::log(sl * chroma * chroma);
    }
};

// The subject as a likelihood: one Gaussian over the colours deep inside the
// first guess, leaving out what could be shadow.
struct SubjectLikelihood {
    cv::Matx33d inverse;
    cv::Vec3d mean;
    double logNorm = 0;
    bool valid = false;

    SubjectLikelihood(const cv::Mat& lab, const cv::Mat& residual, const cv::Mat& core,
                      const BackgroundLikelihood& background) {
        std::vector<cv::Vec3f> samples;
        for (int y = 0; y < lab.rows; ++y) {
            const auto* c = core.ptr<uchar>(y);
            const auto* l = lab.ptr<cv::Vec3f>(y);
            const auto* r = residual.ptr<cv::Vec3f>(y);
            for (int x = 0; x < lab.cols; ++x)
                if (c[x] && background(r[x]) < background(cv::Vec3f()) - 4.5)
                    samples.push_back(l[x]);
        }
        if (samples.size() < 30) return;
        cv::Mat data(int(samples.size()), 3, CV_32F, samples.data()), covariance, average;
        cv::calcCovarMatrix(data, covariance, average,
                            cv::COVAR_NORMAL | cv::COVAR_ROWS | cv::COVAR_SCALE, CV_64F);
        const cv::Matx33d spread = cv::Matx33d(covariance) + cv::Matx33d::eye() * 4.0;
        inverse = spread.inv();
        mean = cv::Vec3d(average.at<double>(0), average.at<double>(1), average.at<double>(2));
        logNorm = -0.5 * std::log(cv::determinant(spread));
        valid = true;
    }
    double operator()(const cv::Vec3f& lab) const {
        const cv::Vec3d d = cv::Vec3d(lab) - mean;
        return -0.5 * (d.t() * inverse * d)(0) + logNorm;
    }
};

// Near the first guess, every pixel goes to whichever model explains it
// better; that drops shadows and keeps pale parts of the hand.
cv::Mat refine(const cv::Mat& lab, const cv::Mat& residual, const cv::Mat& guess, double noise) {
    const BackgroundLikelihood background(noise);
    cv::Mat core, near;
    cv::erode(guess, core, disc(9));
    cv::dilate(guess, near, disc(9));
    const SubjectLikelihood subject(lab, residual, core, background);
    if (!subject.valid) return guess;

    cv::Mat out = cv::Mat::zeros(guess.size(), CV_8U);
    for (int y = 0; y < lab.rows; ++y) {
        const auto* n = near.ptr<uchar>(y);
        const auto* l = lab.ptr<cv::Vec3f>(y);
        const auto* r = residual.ptr<cv::Vec3f>(y);
        auto* o = out.ptr<uchar>(y);
        for (int x = 0; x < lab.cols; ++x)
            if (n[x] && subject(l[x]) > background(r[x])) o[x] = 255;
    }
    return out;
}

bool meaningful(const cv::Mat& mask) {
    const double share = double(cv::countNonZero(mask)) / double(mask.total());
    return share >= kMinShare && share <= kMaxShare;
}
} // namespace

cv::Mat ForegroundMask::find(const cv::Mat& rgb) {
    if (rgb.cols < 8 || rgb.rows < 8) return {};
    const cv::Mat lab = toLab(rgb);
    const BackgroundModel background = BackgroundModel::fit(lab);
    const cv::Mat residual = background.residual(lab);
    const cv::Mat distance = BackgroundModel::distance(residual);
    const double split = splitDistance(distance, background.noise());

    const cv::Mat guess = MaskCleanup::keepSubject(distance > split);
    if (!meaningful(guess)) return {};
    cv::Mat subject = MaskCleanup::keepSubject(refine(lab, residual, guess, background.noise()));
    return meaningful(subject) ? subject : cv::Mat();
}
