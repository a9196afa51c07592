#include "handart/Shadow.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// A 1-D kernel whose centre sits at `shift`, so moving and blurring is one pass.
struct Kernel {
    int first = 0; // offset of weights[0]: output[x] += weights[i] * input[x - first - i]
    std::vector<float> weights;
};

Kernel makeKernel(double sigma, double shift) {
    Kernel kernel;
    if (!(sigma > 0.05)) { // no blur: a linear interpolation of the shift
        const double whole = std::floor(shift);
        const double part = shift - whole;
        kernel.first = int(whole);
        kernel.weights = {float(1 - part), float(part)};
        return kernel;
    }
    const int radius = int(std::ceil(3 * sigma));
    kernel.first = int(std::floor(shift)) - radius;
    const int last = int(std::ceil(shift)) + radius;
    double total = 0;
    for (int i = kernel.first; i <= last; ++i) {
        const double d = i - shift;
        const double w = std::exp(-d * d / (2 * sigma * sigma));
        kernel.weights.push_back(float(w));
        total += w;
    }
    for (float& w : kernel.weights)
        w = float(w / total);
    return kernel;
}

// Each tap adds a shifted copy of the input line: contiguous loops the compiler vectorises.
void convolveRow(const float* in, float* out, int count, const Kernel& kernel) {
    std::fill(out, out + count, 0.f);
    for (size_t i = 0; i < kernel.weights.size(); ++i) {
        const int shift = kernel.first + int(i);
        const float weight = kernel.weights[i];
        const int from = std::max(0, shift), to = std::min(count, count + shift);
        for (int x = from; x < to; ++x)
            out[x] += weight * in[x - shift];
    }
}

// The same down the columns, a whole row at a time.
void convolveColumns(const float* in, float* out, int width, int height, const Kernel& kernel) {
    for (int y = 0; y < height; ++y) {
        float* line = out + size_t(y) * width;
        std::fill(line, line + width, 0.f);
        for (size_t i = 0; i < kernel.weights.size(); ++i) {
            const int source = y - kernel.first - int(i);
            if (source < 0 || source >= height) continue;
            const float weight = kernel.weights[i];
            const float* from = in + size_t(source) * width;
            for (int x = 0; x < width; ++x)
                line[x] += weight * from[x];
        }
    }
}
} // namespace

namespace Shadow {
QImage cast(const QImage& body, double blur, QPointF offset, const QColor& color) {
    const QImage source = body.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = source.width(), height = source.height();
    QImage shadow(width, height, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    if (width == 0 || height == 0 || !std::isfinite(blur) || !std::isfinite(offset.x()) ||
        !std::isfinite(offset.y()))
        return shadow;

    std::vector<float> alpha(size_t(width) * height), moved(alpha.size());
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[size_t(y) * width + x] = qAlpha(line[x]) / 255.f;
    }
    const double sigma = blur / 2;
    const Kernel across = makeKernel(sigma, offset.x()), down = makeKernel(sigma, offset.y());
    for (int y = 0; y < height; ++y)
        convolveRow(&alpha[size_t(y) * width], &moved[size_t(y) * width], width, across);
    convolveColumns(moved.data(), alpha.data(), width, height, down);

    const float r = float(color.redF()), g = float(color.greenF()), b = float(color.blueF());
    const float a = float(color.alphaF());
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float cover = std::clamp(alpha[size_t(y) * width + x] * a, 0.f, 1.f);
            const auto channel = [cover](float c) { return int(c * cover * 255 + 0.5f); };
            line[x] = qRgba(channel(r), channel(g), channel(b), channel(1));
        }
    }
    return shadow;
}
} // namespace Shadow
