// Importing a 12-megapixel photo as the custom hand, its steps, the custom
// sprite, and the peak memory of the --import-hand command.
#include "handart/CustomHand.h"
#include "Measure.h"
#include "PhotoFiles.h"
#include "SyntheticHandPhoto.h"
#include "handart/PhotoSprite.h"
#include "handart/photo/CutOut.h"
#include "handart/photo/Landmarks.h"
#include "handart/photo/PhotoReader.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

namespace {
// Peak resident memory of `program --import-hand photo`, in megabytes, as
// /usr/bin/time sees it (the kernel's own figure for a child of this big
// process would start from this process's size); negative when unavailable.
double peakMegabytes(const QString& program, const QString& photo, const QString& home) {
    const QString time = QStringLiteral("/usr/bin/time");
    if (!QFileInfo(time).isExecutable()) return -1;
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    run.setProcessEnvironment(env);
    run.start(time, {QStringLiteral("-f"), QStringLiteral("peak %M"), program,
                     QStringLiteral("--import-hand"), photo});
    if (!run.waitForFinished(120000)) return -1;
    const QList<QByteArray> lines = run.readAllStandardError().trimmed().split('\n');
    const QByteArray last = lines.isEmpty() ? QByteArray() : lines.last();
    return last.startsWith("peak ") ? last.mid(5).toDouble() / 1024.0 : -1;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());

    SyntheticHandPhoto::Options options;
    options.size = QSize(4000, 3000);
    options.backdrop = SyntheticHandPhoto::Backdrop::softLight;
    options.castShadow = true;
    options.noise = 5;
    options.jpegQuality = 92;
    const QImage photo = SyntheticHandPhoto::make(options).photo;
    const QString jpeg = dir.filePath(QStringLiteral("photo-12mp.jpg"));
    const QString png = dir.filePath(QStringLiteral("photo-12mp.png"));
    photo.save(jpeg, "JPEG", 92);
    photo.save(png, "PNG");

    CustomHand hand(dir.filePath(QStringLiteral("store/custom-hand.png")));
    for (const QString& file : {jpeg, png}) {
        const double micros = Measure::medianMicros(5, [&] {
            QEventLoop loop;
            QObject::connect(&hand, &CustomHand::importFinished, &loop, &QEventLoop::quit);
            hand.importPhoto(file);
            loop.exec();
        });
        Measure::report(qPrintable(QStringLiteral("import 12 MP %1 end to end")
                                       .arg(file.endsWith(QLatin1String("jpg")) ? "JPEG" : "PNG")),
                        micros);
    }

    std::optional<QImage> decoded;
    Measure::report("  decode 12 MP JPEG (at half size)",
                    Measure::medianMicros(5, [&] { decoded = PhotoReader::read(jpeg); }));
    std::optional<QImage> cut;
    Measure::report("  cut out the decoded photo",
                    Measure::medianMicros(5, [&] { cut = CutOut::make(*decoded); }));
    Measure::report("  landmarks of the cut-out",
                    Measure::medianMicros(50, [&] { Landmarks::find(*cut); }));
    Measure::report("  encode the cut-out as PNG",
                    Measure::medianMicros(5, [&] { PhotoFiles::encode(*cut, "PNG"); }));
    Measure::report("custom sprite at 156 pt, scale 2",
                    Measure::medianMicros(30, [&] { PhotoSprite::make(hand.image(), 156, 2); }));

    const QString program = qEnvironmentVariable("HANDWICK_BIN");
    if (program.isEmpty()) {
        std::printf("peak memory: skipped (set HANDWICK_BIN to the handwick program)\n");
        return 0;
    }
    const QString bomb = dir.filePath(QStringLiteral("bomb.png"));
    PhotoFiles::write(bomb, PhotoFiles::pngHeaderOnly(100000, 100000));
    const QString home = dir.filePath(QStringLiteral("cli"));
    std::printf("%-58s %10.1f MB\n", "peak memory of --import-hand, 12 MP JPEG",
                peakMegabytes(program, jpeg, home));
    std::printf("%-58s %10.1f MB\n", "peak memory of --import-hand, 12 MP PNG",
                peakMegabytes(program, png, home));
    std::printf("%-58s %10.1f MB\n", "peak memory of --import-hand, 100000 x 100000 bomb",
                peakMegabytes(program, bomb, home));
    return 0;
}
