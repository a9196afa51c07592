#pragma once
#include <opencv2/core.hpp>

namespace ForegroundMask {
// The subject of a photo taken against a plain or softly lit background:
// CV_8U, 255 on the subject and 0 elsewhere, the size of `rgb` (CV_8UC3). An
// empty Mat when nothing of a meaningful size stands out from the background.
// Meant for a reduced copy of the photo (some hundreds of pixels across).
cv::Mat find(const cv::Mat& rgb);
} // namespace ForegroundMask
