#pragma once
#include <opencv2/core.hpp>

// The colour of a photo's background as a smooth surface over the picture: a
// quadratic in x and y per Lab channel, so soft light and vignetting belong to
// the background. Fitted to the pixels along the border, with the pixels that
// do not fit (the wrist, which usually runs off the bottom edge) trimmed away.
class BackgroundModel {
  public:
    // `lab`: CV_32FC3 in Lab (L 0…100), at least a few pixels each way.
    static BackgroundModel fit(const cv::Mat& lab);

    // Per pixel, the colour minus the background's there (CV_32FC3, Lab).
    cv::Mat residual(const cv::Mat& lab) const;
    // How far each residual lies from the background (CV_32F, Lab units;
    // lightness counts half, so a shadow on the background stays near it).
    static cv::Mat distance(const cv::Mat& residual);

    // The spread of the background itself: noise, grain, texture.
    double noise() const { return m_noise; }
    // How many border pixels the final fit kept, out of all of them.
    double borderAgreement() const { return m_agreement; }

  private:
    cv::Matx<double, 6, 3> m_coefficients = cv::Matx<double, 6, 3>::zeros();
    double m_noise = 0;
    double m_agreement = 0;
};
