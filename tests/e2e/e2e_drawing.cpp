// Drawing with the real handwick program in a real X session (run through
// session.sh): strokes seen on screenshots, the tap sound recorded from the
// session's null sink, and the ink commands.
#include "Drive.h"
#include "ScreenCheck.h"
#include "sound/TapSound.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cmath>

namespace {
using ScreenCheck::keep;
using ScreenCheck::near;

// Coral, the default ink: sRGB 1.0, 0.33, 0.36.
const QColor coral = QColor::fromRgbF(1.0f, 0.33f, 0.36f);
// Where the mouse waits while the screen is read: the hand and its stick
// stay clear of the drawing area in the upper left.
const QPoint parked(1150, 700);

// A press, moves a few milliseconds apart (so none is merged away), a
// release, then back to the parking place.
void drag(const QList<QPoint>& points, const QString& heldKey = {}) {
    QString script = heldKey.isEmpty() ? QString() : "keydown " + heldKey + ' ';
    script += "mousemove " + at(points[0]) + " sleep 0.05 mousedown 1";
    for (const QPoint& p : points.mid(1))
        script += " sleep 0.03 mousemove " + at(p);
    script += " sleep 0.05 mouseup 1";
    if (!heldKey.isEmpty()) script += " keyup " + heldKey;
    xdo(script + " mousemove " + at(parked));
}

void clickAt(QPoint p, int button = 1) {
    xdo(QString("mousemove %1 sleep 0.05 click %2 sleep 0.05 mousemove %3")
            .arg(at(p))
            .arg(button)
            .arg(at(parked)));
}

// Points every few pixels along a segment.
QList<QPoint> along(QPoint from, QPoint to, int count = 12) {
    QList<QPoint> points;
    for (int i = 1; i < count; ++i)
        points << from + (to - from) * (double(i) / count);
    return points;
}
QList<QPoint> across(int y) {
    return along({150, y}, {500, y});
}

// The program turned on, with the mouse parked, reading coral off the screen.
struct Drawing : Handwick {
    using Handwick::Handwick;
    bool start() { return Handwick::start() && turnOn(parked); }
    qsizetype showing(const QList<QPoint>& points) {
        const QImage shot = x.screenshot();
        return std::count_if(points.begin(), points.end(),
                             [&](QPoint p) { return near(shot.pixelColor(p), coral, 12); });
    }
    bool allShow(const QList<QPoint>& points) {
        return waitFor([&] { return showing(points) == points.size(); }, 3000);
    }
    bool noneShow(const QList<QPoint>& points, int ms = 3000) {
        return waitFor([&] { return showing(points) == 0; }, ms);
    }
};

// The null sink's monitor, recorded as raw 16-bit mono at the sounds' rate.
class Recorder {
  public:
    Recorder() {
        m_parec.start("parec", QString("--latency-msec=50 -d nul.monitor --raw --format=s16le "
                                       "--rate=44100 --channels=1")
                                   .split(' '));
    }
    ~Recorder() {
        m_parec.kill();
        m_parec.waitForFinished();
    }
    bool started() {
        if (!m_parec.waitForStarted(3000)) return false;
        // Let the stream get going: its first few hundred samples never arrive.
        waitFor([this] { return m_parec.bytesAvailable() > 44100 / 10 * 2; }, 2000);
        return true;
    }
    std::vector<float> stop() {
        m_parec.terminate();
        m_parec.waitForFinished(3000);
        const QByteArray raw = m_parec.readAllStandardOutput();
        std::vector<float> samples(std::size_t(raw.size() / 2));
        const auto* s = reinterpret_cast<const qint16*>(raw.constData());
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = s[i] / 32768.0f;
        return samples;
    }

  private:
    QProcess m_parec;
};

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

double loudest(const std::vector<float>& samples) {
    float most = 0;
    for (float s : samples)
        most = std::max(most, std::abs(s));
    return most;
}
} // namespace

class E2eDrawing : public QObject {
    Q_OBJECT

  private slots:
    void aDragDrawsInTheChosenColourAndShiftMakesItStraight() {
        Drawing h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        // A free stroke curves through the midpoints between its points.
        drag({{150, 200}, {200, 160}, {250, 200}, {300, 240}, {350, 200}, {400, 160}, {450, 200}});
        QVERIFY2(h.allShow({{175, 180}, {275, 220}, {375, 180}}), "the wave is not coral");
        // The same wave with Shift held: one straight line from first to last.
        drag({{150, 400}, {200, 360}, {250, 400}, {300, 440}, {350, 400}, {400, 360}, {450, 400}},
             "shift");
        QVERIFY2(h.allShow(along({150, 400}, {450, 400})), "the straight line is missing");
        QCOMPARE(h.showing({{175, 380}, {275, 420}, {375, 380}}), 0);
        keep(h.x.screenshot(), "drawing-wave-and-line");
    }

    void aClickPlaysTheChosenSoundAtTheChosenVolume() {
        Drawing h({{"sound", "knock"}, {"volume", 0.6}});
        QVERIFY2(h.start(), qPrintable(h.why()));
        Recorder recorder;
        QVERIFY(recorder.started());
        clickAt({300, 300});
        QTest::qWait(700);
        const std::vector<float> recorded = recorder.stop();
        const Match match = bestMatch(recorded, TapSynth::samples(TapSound::knock));
        const QString found = QString("correlation %1, gain %2, loudest %3")
                                  .arg(match.correlation)
                                  .arg(match.gain)
                                  .arg(loudest(recorded));
        QVERIFY2(match.correlation > 0.97, qPrintable(found));
        // The sound output itself takes off about 8 %: at full volume the
        // gain is 0.92, at 0.6 it is 0.55.
        QVERIFY2(match.gain > 0.6 * 0.88 && match.gain < 0.6 * 1.05, qPrintable(found));
    }

    void mutedClicksAreSilentButStillShowTheRing() {
        Drawing h({{"muted", true}});
        QVERIFY2(h.start(), qPrintable(h.why()));
        Recorder recorder;
        QVERIFY(recorder.started());
        xdo("mousemove 300 300 sleep 0.05 click 1");
        // The ring spreads from the click: its coral shows left of the hand.
        QVERIFY(waitFor(
            [&] {
                const QImage shot = h.x.screenshot(QRect(260, 260, 36, 80));
                int reddish = 0;
                for (int y = 0; y < shot.height(); ++y)
                    for (int x = 0; x < shot.width(); ++x) {
                        const QColor c = shot.pixelColor(x, y);
                        reddish += c.red() > c.green() + 25 && c.red() > c.blue() + 25;
                    }
                return reddish > 15;
            },
            1500));
        QTest::qWait(500);
        const std::vector<float> recorded = recorder.stop();
        QVERIFY(recorded.size() > 44100 / 2);
        QVERIFY2(loudest(recorded) < 1e-3, qPrintable(QString::number(loudest(recorded))));
    }

    void undoClearAndTheNumberKeysWorkTheInk() {
        Drawing h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const auto stroke = [](int y) { drag({{150, y}, {300, y}, {500, y}}); };
        stroke(150);
        stroke(250);
        QVERIFY(h.allShow(across(250)));
        // A right click takes back the last stroke only.
        clickAt({700, 500}, 3);
        QVERIFY2(h.noneShow(across(250)), "undo left the second stroke");
        QCOMPARE(h.showing(across(150)), across(150).size());
        // So does Ctrl+Z, found by the letter its key gives.
        stroke(350);
        QVERIFY(h.allShow(across(350)));
        press("ctrl+z");
        QVERIFY2(h.noneShow(across(350)), "Ctrl+Z left the third stroke");
        QCOMPARE(h.showing(across(150)), across(150).size());
        // Backspace clears everything.
        stroke(350);
        QVERIFY(h.allShow(across(350)));
        press("BackSpace");
        QVERIFY2(h.noneShow(across(150) + across(350)), "clear left ink");

        // 3 picks the arrow: its head is a filled triangle about the tip.
        press("3");
        stroke(500);
        QVERIFY2(h.allShow({{490, 500}, {485, 496}, {485, 504}, {480, 492}, {480, 508}}),
                 "no arrow head");
        // 5 picks the steps: a click leaves badge 1 there, a white ring round coral.
        press("5");
        clickAt({800, 200});
        QVERIFY(waitFor([&] {
            const QImage shot = h.x.screenshot();
            return near(shot.pixelColor(785, 200), Qt::white, 40) &&
                   near(shot.pixelColor(790, 208), coral, 12);
        }));
        keep(h.x.screenshot(), "drawing-arrow-and-badge");
    }

    void inkFadesAfterTheChosenDelay() {
        Drawing h({{"fadeAfter", 1.0}});
        QVERIFY2(h.start(), qPrintable(h.why()));
        drag({{150, 300}, {300, 300}, {500, 300}});
        QElapsedTimer since;
        since.start();
        QVERIFY(h.allShow(across(300)));
        QVERIFY2(h.noneShow(across(300), 4000), "the stroke never faded");
        QVERIFY2(since.elapsed() > 700, qPrintable(QString::number(since.elapsed())));
    }
};

QTEST_MAIN(E2eDrawing)
#include "e2e_drawing.moc"
