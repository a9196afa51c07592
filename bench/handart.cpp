// Painting one hand of each style, a cache hit, and the whole --render-hands command.
#include "Measure.h"
#include "handart/CustomHand.h"
#include "handart/HandPainter.h"
#include "handart/HandSprites.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    for (const char* id : {"classic", "pixel", "neon", "ghost", "robot"}) {
        const HandSkin skin = *HandSkin::find(QString::fromLatin1(id));
        const double micros = Measure::medianMicros(30, [&] { HandPainter::render(skin, 156, 2); });
        Measure::report(qPrintable(QStringLiteral("render %1 at 156 pt, scale 2").arg(id)), micros);
    }

    QTemporaryDir data;
    const CustomHand custom(data.filePath(QStringLiteral("custom-hand.png")));
    HandSprites sprites(custom);
    sprites.sprite(QStringLiteral("classic"), 116, 2);
    Measure::report("sprite cache hit (classic, 116 pt, scale 2)", Measure::medianMicros(1000, [&] {
                        sprites.sprite(QStringLiteral("classic"), 116, 2);
                    }));

    const QString program = qEnvironmentVariable("HANDWICK_BIN");
    if (program.isEmpty()) {
        std::printf("--render-hands: skipped (set HANDWICK_BIN to the handwick program)\n");
        return 0;
    }
    QTemporaryDir dir;
    const double micros = Measure::medianMicros(5, [&] {
        QProcess run;
        run.start(program, {QStringLiteral("--render-hands"), dir.path()});
        run.waitForFinished(120000);
    });
    Measure::report("--render-hands end to end (19 skins, 2 sheets)", micros);
    return 0;
}
