#include "common/Shadow.h"

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

// The hot loops below are compiled twice, for processors with AVX2 and for
// all others, and picked at run time. Both do the same float operations in
// the same order (AVX2 brings no fused multiply-add), so they give the same
// pixels.
#define HOT_LOOP __attribute__((target_clones("avx2", "default")))

// Each tap adds a shifted copy of the input line: contiguous loops the compiler vectorises.
HOT_LOOP void convolveRow(const float* in, float* out, int count, const float* weights, int taps,
                          int first) {
    std::fill(out, out + count, 0.f);
    for (int i = 0; i < taps; ++i) {
        const int shift = first + i;
        const float weight = weights[i];
        const int from = std::max(0, shift), to = std::min(count, count + shift);
        for (int x = from; x < to; ++x)
            out[x] += weight * in[x - shift];
    }
}

// One row of the result down the columns: the rows blurred across that it
// needs are at rows[source % taps].
HOT_LOOP void convolveColumn(const float* rows, float* out, int width, int y, int height,
                             const float* weights, int taps, int first) {
    std::fill(out, out + width, 0.f);
    for (int i = 0; i < taps; ++i) {
        const int source = y - first - i;
        if (source < 0 || source >= height) continue;
        const float weight = weights[i];
        const float* from = rows + size_t(source % taps) * width;
        for (int x = 0; x < width; ++x)
            out[x] += weight * from[x];
    }
}

HOT_LOOP void alphaOf(const QRgb* line, float* alpha, int count) {
    for (int x = 0; x < count; ++x)
        alpha[x] = qAlpha(line[x]) / 255.f;
}

// Premultiplied pixels of `color` covering `alpha`.
HOT_LOOP void tint(const float* alpha, QRgb* line, int count, float r, float g, float b, float a) {
    // Plain arithmetic without branches, so that the compiler vectorises it.
    for (int x = 0; x < count; ++x) {
        float cover = alpha[x] * a;
        cover = cover < 0.f ? 0.f : cover;
        cover = cover > 1.f ? 1.f : cover;
        const auto channel = [cover](float c) { return quint32(int(c * cover * 255 + 0.5f)); };
        line[x] = channel(1) << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
    }
}
} // namespace

namespace Shadow {
QImage cast(const QImage& body, double blur, QPointF offset, const QColor& color) {
    const QImage source = body.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = source.width(), height = source.height();
    QImage shadow(width, height, QImage::Format_ARGB32_Premultiplied);
    if (width == 0 || height == 0 || !std::isfinite(blur) || !std::isfinite(offset.x()) ||
        !std::isfinite(offset.y())) {
        shadow.fill(Qt::transparent);
        return shadow;
    }

    const double sigma = blur / 2;
    const Kernel across = makeKernel(sigma, offset.x()), down = makeKernel(sigma, offset.y());
    const int taps = int(down.weights.size());
    const float r = float(color.redF()), g = float(color.greenF()), b = float(color.blueF());
    const float a = float(color.alphaF());
    // Row by row, keeping only the rows blurred across that the next rows
    // down need (row r at r % taps): small buffers that stay in the cache.
    std::vector<float> rows(size_t(taps) * width), alpha(width), line(width);
    int next = 0; // the next source row to blur across
    for (int y = 0; y < height; ++y) {
        const int newest = std::min(y - down.first, height - 1);
        for (next = std::max(next, newest - taps + 1); next <= newest; ++next) {
            alphaOf(reinterpret_cast<const QRgb*>(source.constScanLine(next)), alpha.data(), width);
            convolveRow(alpha.data(), &rows[size_t(next % taps) * width], width,
                        across.weights.data(), int(across.weights.size()), across.first);
        }
        convolveColumn(rows.data(), line.data(), width, y, height, down.weights.data(), taps,
                       down.first);
        tint(line.data(), reinterpret_cast<QRgb*>(shadow.scanLine(y)), width, r, g, b, a);
    }
    return shadow;
}
} // namespace Shadow
