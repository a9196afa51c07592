// Writes the application icon into a hicolor icon theme folder at every size
// desktops ask for, plus the scalable SVG. Run by the build: painting into
// images needs no display.
#include "devtools/AppIcon.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {
bool write(const QString& file, const QByteArray& data) {
    QFile out(file);
    return QDir().mkpath(QFileInfo(file).path()) && out.open(QIODevice::WriteOnly) &&
           out.write(data) == data.size();
}

bool writePng(const QString& file, const QImage& image) {
    return QDir().mkpath(QFileInfo(file).path()) && image.save(file, "PNG");
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: handwick-icons <hicolor folder> <icon name>\n", stderr);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool ok =
        write(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)), AppIcon::svg(256));
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        ok = ok && writePng(theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(side).arg(name)),
                            AppIcon::render(side));
    if (!ok) std::fprintf(stderr, "handwick-icons: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
