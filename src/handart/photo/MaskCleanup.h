#pragma once
#include <opencv2/core.hpp>

namespace MaskCleanup {
// Turns a rough 0/255 mask into one subject: specks removed, the largest
// region kept together with sizeable regions right next to it (a finger cut
// off by a crease or a ring), and small enclosed holes (highlights) filled.
cv::Mat keepSubject(const cv::Mat& mask);
} // namespace MaskCleanup
