// Drawing with the real handwick program in a real X session (run through
// session.sh): a stroke seen on screenshots, and the tap sound recorded from
// the session's null sink.
#include "Drive.h"
#include "sound/TapSound.h"

#include <QTest>
#include <cmath>

namespace {
// Coral, the default ink: sRGB 1.0, 0.33, 0.36.
const QColor coral = QColor::fromRgbF(1.0f, 0.33f, 0.36f);
// Where the mouse waits: the hand and its stick stay clear of the drawing.
const QPoint parked(1150, 700);

// How many of `points` show coral now.
qsizetype coralAt(XProbe& x, const QList<QPoint>& points) {
    const QImage shot = x.screenshot();
    return std::count_if(points.begin(), points.end(),
                         [&](QPoint p) { return near(shot.pixelColor(p), coral, 12); });
}

// What the session's null sink plays while `action` runs and `ms` after, as
// mono samples at the sounds' rate.
std::vector<float> recordWhile(const std::function<void()>& action, int ms) {
    QProcess parec;
    parec.start("parec", QString("--latency-msec=50 -d nul.monitor --raw --format=s16le "
                                 "--rate=44100 --channels=1")
                             .split(' '));
    if (!parec.waitForStarted(3000)) return {};
    // Let the stream get going: its first few hundred samples never arrive.
    waitFor([&] { return parec.bytesAvailable() > 44100 / 10 * 2; }, 2000);
    action();
    QTest::qWait(ms);
    parec.terminate();
    parec.waitForFinished(3000);
    const QByteArray raw = parec.readAllStandardOutput();
    std::vector<float> samples(std::size_t(raw.size() / 2));
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = s[i] / 32768.0f;
    return samples;
}

struct Match {
    double correlation = 0; // 1: the same shape
    double gain = 0;        // recorded amplitude over the synthesised one
};

// Slides the synthesised sound along the recording and keeps the best fit.
// The output drops the first few hundred samples of a sound, so its start is
// left out of the comparison.
Match bestMatch(const std::vector<float>& recorded, const std::vector<float>& sound) {
    constexpr std::size_t skipped = 1000;
    Match best;
    if (sound.size() <= 2 * skipped || recorded.size() < sound.size()) return best;
    const std::size_t length = sound.size() - skipped;
    const float* wanted = sound.data() + skipped;
    double wantedEnergy = 0;
    for (std::size_t i = 0; i < length; ++i)
        wantedEnergy += double(wanted[i]) * wanted[i];
    for (std::size_t at = 0; at + length <= recorded.size(); ++at) {
        // Silence cannot match: skip it cheaply.
        if (std::abs(recorded[at]) < 1e-4f && std::abs(recorded[at + length / 2]) < 1e-4f) continue;
        double dot = 0, energy = 0;
        for (std::size_t i = 0; i < length; ++i) {
            dot += double(recorded[at + i]) * wanted[i];
            energy += double(recorded[at + i]) * recorded[at + i];
        }
        if (energy <= 0) continue;
        const double correlation = dot / std::sqrt(energy * wantedEnergy);
        if (correlation > best.correlation) best = {correlation, dot / wantedEnergy};
    }
    return best;
}
} // namespace

class E2eDrawing : public QObject {
    Q_OBJECT

  private slots:
    void aDragDrawsCoralAndCtrlZTakesItBack() {
        Handwick h;
        QVERIFY2(h.start() && h.turnOn(parked), qPrintable(h.why()));
        // A press, moves a few milliseconds apart (so none is merged away), a
        // release. The stroke curves through the midpoints between its points.
        QString drag = "mousemove 150 200 sleep 0.05 mousedown 1";
        for (const QPoint p :
             {QPoint(200, 160), {250, 200}, {300, 240}, {350, 200}, {400, 160}, {450, 200}})
            drag += " sleep 0.03 mousemove " + at(p);
        xdo(drag + " sleep 0.05 mouseup 1 mousemove " + at(parked));
        const QList<QPoint> wave{{175, 180}, {275, 220}, {375, 180}};
        QVERIFY2(waitFor([&] { return coralAt(h.x, wave) == wave.size(); }, 3000),
                 "the wave is not coral");
        keep(h.x.screenshot(), "drawing");
        // Ctrl+Z, found by the letter its key gives, takes it back.
        press("ctrl+z");
        QVERIFY2(waitFor([&] { return coralAt(h.x, wave) == 0; }, 3000), "Ctrl+Z left the wave");
    }

    void aClickPlaysTheChosenSoundAtTheChosenVolume() {
        Handwick h({{"sound", "knock"}, {"volume", 0.6}});
        QVERIFY2(h.start() && h.turnOn(parked), qPrintable(h.why()));
        const std::vector<float> recorded =
            recordWhile([] { xdo("mousemove 300 300 sleep 0.05 click 1"); }, 700);
        const Match match = bestMatch(recorded, TapSynth::samples(TapSound::knock));
        const QString found = QString("correlation %1, gain %2 in %3 samples")
                                  .arg(match.correlation)
                                  .arg(match.gain)
                                  .arg(recorded.size());
        QVERIFY2(match.correlation > 0.97, qPrintable(found));
        // The sound output itself takes off about 8 %: at full volume the
        // gain is 0.92, at 0.6 it is 0.55.
        QVERIFY2(match.gain > 0.6 * 0.88 && match.gain < 0.6 * 1.05, qPrintable(found));
    }
};

QTEST_MAIN(E2eDrawing)
#include "e2e_drawing.moc"
