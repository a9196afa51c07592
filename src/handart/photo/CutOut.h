#pragma once
#include <QImage>
#include <optional>

// Removes the background of a photo of a hand, on the machine.
namespace CutOut {
// The result is never taller than this; smaller cut-outs keep their size.
constexpr int kMaxHeight = 600;
// The subject is looked for in a copy whose longer side is at most this long.
constexpr int kWorkingSide = 640;
// Pictures whose short side would shrink below this in the working copy hold no hand.
constexpr int kThinnestSide = 16;

// The subject as 8-bit RGBA (sRGB, not premultiplied) with a transparent
// background, cropped to the subject. Nothing when no subject stands out.
// A picture that already has real transparency keeps it as its mask. Safe to
// call from any thread.
std::optional<QImage> make(const QImage& photo);

// The subject mask found in the working copy (Format_Grayscale8, 255 on the
// subject); a null image when there is none or the photo brings its own alpha.
QImage subjectMask(const QImage& photo);
} // namespace CutOut
