#pragma once
#include <QImage>
#include <QString>

// The application's icon: the classic hand on a short stick, leaning like a
// mouse pointer, in a transparent square.
namespace AppIcon {
// Painted by the hand painter itself (with its shadow), `side` pixels square.
QImage render(int side);
// The same drawing in vectors only, as an SVG document of `side` units.
QByteArray svg(int side);
} // namespace AppIcon
