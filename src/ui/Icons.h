#pragma once
// The toolbar's and the settings windows' line icons, looked up by our own
// symbol names (the names `symbol(Tool)` returns, among others) and drawn in
// any colour. The SVGs are compiled into the program.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace Icons {
// Every symbol name that has an icon.
QStringList names();
// The resource path of the symbol's SVG; empty for a name without an icon.
QString file(const QString& symbol);
// The symbol drawn in a `size` × `size` point square in `color`, sharp at
// `devicePixelRatio` (1 if that is not a positive number, at most 8); a null pixmap for
// an unknown name or a size outside (0, 4096].
QPixmap pixmap(const QString& symbol, double size, const QColor& color, double devicePixelRatio);
} // namespace Icons
