#include "handart/photo/MaskCleanup.h"

#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {
cv::Mat disc(int diameter) {
    return cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(diameter, diameter));
}

cv::Mat largestWithNeighbours(const cv::Mat& mask) {
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
    if (count <= 1) return cv::Mat::zeros(mask.size(), CV_8U);

    int largest = 1;
    for (int i = 2; i < count; ++i)
        if (stats.at<int>(i, cv::CC_STAT_AREA) > stats.at<int>(largest, cv::CC_STAT_AREA))
            largest = i;
    cv::Mat kept = labels == largest;
    if (count == 2) return kept;

    const int reach = std::max(3, int(std::hypot(mask.cols, mask.rows) * 0.02));
    cv::Mat near;
    cv::dilate(kept, near, disc(2 * reach + 1));
    const int minArea = std::max(20, stats.at<int>(largest, cv::CC_STAT_AREA) / 100);
    for (int i = 1; i < count; ++i) {
        if (i == largest || stats.at<int>(i, cv::CC_STAT_AREA) < minArea) continue;
        const cv::Mat region = labels == i;
        if (cv::countNonZero(region & near) > 0) kept |= region;
    }
    return kept;
}

// Every pocket of "background" that the subject encloses is taken as part of
// it: a pointing hand has no real holes worth keeping, while a pale palm or a
// white glove on a pale background often reads as background inside its own
// outline, and a missing palm is far worse than a filled gap.
void fillEnclosedHoles(cv::Mat& mask) {
    const cv::Mat holes = mask == 0;
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(holes, labels, stats, centroids, 4, CV_32S);
    std::vector<uchar> fill(count, 0);
    for (int i = 1; i < count; ++i) {
        const int x = stats.at<int>(i, cv::CC_STAT_LEFT), y = stats.at<int>(i, cv::CC_STAT_TOP);
        const int w = stats.at<int>(i, cv::CC_STAT_WIDTH), h = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        fill[i] = !(x == 0 || y == 0 || x + w == mask.cols || y + h == mask.rows);
    }
    for (int y = 0; y < mask.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        uchar* row = mask.ptr<uchar>(y);
        for (int x = 0; x < mask.cols; ++x)
            if (fill[label[x]]) row[x] = 255;
    }
}

} // namespace

cv::Mat MaskCleanup::keepSubject(const cv::Mat& mask) {
    cv::Mat smooth;
    cv::morphologyEx(mask, smooth, cv::MORPH_OPEN, disc(3));
    cv::morphologyEx(smooth, smooth, cv::MORPH_CLOSE, disc(5));
    cv::Mat subject = largestWithNeighbours(smooth);
    fillEnclosedHoles(subject);
    return subject;
}
