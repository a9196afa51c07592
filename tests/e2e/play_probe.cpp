// Plays a tap sound through the program's sound bank and exits once it has
// sounded: play_probe <sound> <volume> [count] [gap-ms]
#include "sound/SoundBank.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {
int usage() {
    std::fprintf(stderr, "usage: play_probe pop|tick|boop|knock|blip|chime <volume 0-1> "
                         "[count 1-100] [gap-ms 0-5000]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2 || args.size() > 4) return usage();
    const std::optional<TapSound> sound = fromRawValue<TapSound>(args[0]);
    bool volumeOk = false, countOk = true, gapOk = true;
    const double volume = args[1].toDouble(&volumeOk);
    const int count = args.size() > 2 ? args[2].toInt(&countOk) : 1;
    const int gapMs = args.size() > 3 ? args[3].toInt(&gapOk) : 150;
    if (!sound || !volumeOk || !countOk || !gapOk || count < 1 || count > 100 || gapMs < 0 ||
        gapMs > 5000)
        return usage();

    int played = 0;
    QTimer tapper;
    tapper.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tapper, &QTimer::timeout, [&] {
        SoundBank::shared().play(*sound, volume);
        if (++played < count) return;
        tapper.stop();
        // The sound's own length, then a margin for the output's buffer.
        const int lengthMs = int(TapSynth::samples(*sound).size() * 1000 / TapSynth::sampleRate);
        QTimer::singleShot(lengthMs + 400, &app, &QCoreApplication::quit);
    });
    tapper.start(gapMs);
    return app.exec();
}
