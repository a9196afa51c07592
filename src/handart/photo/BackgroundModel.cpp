#include "handart/photo/BackgroundModel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kLightnessWeight = 0.5;

struct Sample {
    float u, v;
    cv::Vec3f lab;
};

// Coordinates from -1 to 1 keep the normal equations well conditioned.
cv::Matx<double, 6, 1> basis(double u, double v) {
    return {1.0, u, v, u * u, u * v, v * v};
}

double normalised(int i, int n) {
    return n > 1 ? 2.0 * i / (n - 1) - 1.0 : 0.0;
}

std::vector<Sample> borderSamples(const cv::Mat& lab) {
    const int ring = std::max(2, std::min(lab.cols, lab.rows) / 50);
    std::vector<Sample> samples;
    for (int y = 0; y < lab.rows; ++y) {
        const auto* row = lab.ptr<cv::Vec3f>(y);
        const bool edgeRow = y < ring || y >= lab.rows - ring;
        for (int x = 0; x < lab.cols; ++x) {
            if (!edgeRow && x == ring) x = lab.cols - ring; // jump over the interior
            samples.push_back(
                {float(normalised(x, lab.cols)), float(normalised(y, lab.rows)), row[x]});
        }
    }
    return samples;
}

double weightedDistance(const cv::Vec3f& a, const cv::Vec3d& b) {
    const double dl = (a[0] - b[0]) * kLightnessWeight;
    const double da = a[1] - b[1];
    const double db = a[2] - b[2];
    return std::sqrt(dl * dl + da * da + db * db);
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}
} // namespace

BackgroundModel BackgroundModel::fit(const cv::Mat& lab) {
    BackgroundModel model;
    if (lab.empty()) return model;
    const std::vector<Sample> samples = borderSamples(lab);
    std::vector<char> inlier(samples.size(), 1);
    std::vector<double> residuals(samples.size());

    for (int round = 0; round < 6; ++round) {
        cv::Matx<double, 6, 6> normal = cv::Matx<double, 6, 6>::zeros();
        cv::Matx<double, 6, 3> rhs = cv::Matx<double, 6, 3>::zeros();
        for (size_t i = 0; i < samples.size(); ++i) {
            if (!inlier[i]) continue;
            const auto b = basis(samples[i].u, samples[i].v);
            normal += b * b.t();
            const cv::Matx<double, 1, 3> value(samples[i].lab[0], samples[i].lab[1],
                                               samples[i].lab[2]);
            rhs += b * value;
        }
        cv::solve(normal, rhs, model.m_coefficients, cv::DECOMP_SVD);

        std::vector<double> kept;
        for (size_t i = 0; i < samples.size(); ++i) {
            const cv::Vec3d expected =
                cv::Vec3d((basis(samples[i].u, samples[i].v).t() * model.m_coefficients).val);
            residuals[i] = weightedDistance(samples[i].lab, expected);
            if (inlier[i]) kept.push_back(residuals[i]);
        }
        // First trim a generous share, whatever it is; then keep what lies
        // within a few robust deviations of the surface.
        double limit;
        if (round == 0) {
            std::vector<double> all = residuals;
            auto cut = all.begin() + all.size() * 6 / 10;
            std::nth_element(all.begin(), cut, all.end());
            limit = *cut;
        } else {
            model.m_noise = 1.4826 * median(kept);
            limit = std::max(3.0 * model.m_noise, 2.0);
        }
        size_t count = 0;
        for (size_t i = 0; i < samples.size(); ++i) {
            inlier[i] = residuals[i] <= limit;
            count += inlier[i];
        }
        model.m_agreement = samples.empty() ? 0 : double(count) / samples.size();
    }
    return model;
}

cv::Mat BackgroundModel::residual(const cv::Mat& lab) const {
    cv::Mat out(lab.size(), CV_32FC3);
    for (int y = 0; y < lab.rows; ++y) {
        const double v = normalised(y, lab.rows);
        // Along a row the surface is a quadratic in u: c0 + c1·u + c2·u².
        cv::Vec3d c0, c1, c2;
        for (int ch = 0; ch < 3; ++ch) {
            const auto& k = m_coefficients;
            c0[ch] = k(0, ch) + k(2, ch) * v + k(5, ch) * v * v;
            c1[ch] = k(1, ch) + k(4, ch) * v;
            c2[ch] = k(3, ch);
        }
        const auto* in = lab.ptr<cv::Vec3f>(y);
        auto* row = out.ptr<cv::Vec3f>(y);
        for (int x = 0; x < lab.cols; ++x) {
            const double u = normalised(x, lab.cols);
            row[x] = cv::Vec3f(cv::Vec3d(in[x]) - (c0 + c1 * u + c2 * (u * u)));
        }
    }
    return out;
}

cv::Mat BackgroundModel::distance(const cv::Mat& residual) {
    cv::Mat out(residual.size(), CV_32F);
    for (int y = 0; y < residual.rows; ++y) {
        const auto* in = residual.ptr<cv::Vec3f>(y);
        auto* row = out.ptr<float>(y);
        for (int x = 0; x < residual.cols; ++x)
            row[x] = float(weightedDistance(in[x], cv::Vec3d()));
    }
    return out;
}
