// Drawing with the real handwick program in a real X session (run through
// session.sh): strokes seen on screenshots of the composited screen, the tap
// sound recorded from the session's null sink, and the ink commands.
#include "HandwickProcess.h"
#include "ScreenCheck.h"
#include "XProbe.h"
#include "sound/TapSound.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

namespace {
using ScreenCheck::keep;

// Coral, the default ink: sRGB 1.0, 0.33, 0.36.
const QColor coral = QColor::fromRgbF(1.0f, 0.33f, 0.36f);
// Where the mouse waits while the screen is read: the hand and its stick
// stay clear of the drawing area in the upper left.
const QPoint parked(1150, 700);

bool xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}
void press(const QString& keys) {
    xdotool({QStringLiteral("key"), keys});
}

bool waitFor(const std::function<bool()>& check, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!check()) {
        if (timer.elapsed() > ms) return false;
        QTest::qWait(30);
    }
    return true;
}

bool isColour(const QColor& c, const QColor& wanted, int tolerance = 12) {
    return std::abs(c.red() - wanted.red()) <= tolerance &&
           std::abs(c.green() - wanted.green()) <= tolerance &&
           std::abs(c.blue() - wanted.blue()) <= tolerance;
}

// A press, moves a few milliseconds apart (so none is merged away), a release.
void drag(const QList<QPoint>& points, const QStringList& heldKeys = {}) {
    QStringList args;
    for (const QString& key : heldKeys)
        args << "keydown" << key;
    args << "mousemove" << QString::number(points[0].x()) << QString::number(points[0].y())
         << "sleep"
         << "0.05"
         << "mousedown"
         << "1";
    for (const QPoint& p : points.mid(1))
        args << "sleep"
             << "0.03"
             << "mousemove" << QString::number(p.x()) << QString::number(p.y());
    args << "sleep"
         << "0.05"
         << "mouseup"
         << "1";
    for (const QString& key : heldKeys)
        args << "keyup" << key;
    args << "mousemove" << QString::number(parked.x()) << QString::number(parked.y());
    xdotool(args);
}

void clickAt(QPoint p, int button = 1) {
    xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "sleep", "0.05", "click",
             QString::number(button), "sleep", "0.05", "mousemove", QString::number(parked.x()),
             QString::number(parked.y())});
}

// One run of the program with settings written before it starts.
struct Handwick {
    QTemporaryDir config;
    XProbe x;
    std::unique_ptr<HandwickProcess> app;

    explicit Handwick(const QVariantMap& settings = {}) {
        QSettings file(settingsFile(), QSettings::IniFormat);
        for (auto it = settings.begin(); it != settings.end(); ++it)
            file.setValue(it.key(), *it);
        file.sync();
        QProcessEnvironment env;
        env.insert("XDG_CONFIG_HOME", config.path());
        app = std::make_unique<HandwickProcess>(env);
    }

    // The last screen read, to look at when a check failed.
    ~Handwick() { keep(lastShot, QString("drawing-last-") + QTest::currentTestFunction()); }

    // Where the program keeps its settings under our config folder. Qt
    // settles the config folder once per process, so only the file's own
    // name is asked of it, the way the program asks.
    QString settingsFile() {
        const QString name =
            QFileInfo(QSettings(QSettings::IniFormat, QSettings::UserScope, "Handwick", "Handwick")
                          .fileName())
                .fileName();
        return config.path() + "/Handwick/" + name;
    }

    // Starts the program and turns the pointer on; ready when the overlay
    // holds the keyboard.
    bool start() {
        if (!x.isConnected() || !app->start()) return false;
        if (!waitFor([&] { return x.trayIconOf(app->pid()).has_value(); })) return false;
        xdotool({"mousemove", QString::number(parked.x()), QString::number(parked.y())});
        press("ctrl+alt+h");
        return waitFor([&] {
            const uint32_t focus = x.focusWindow();
            for (const XProbe::Window& w : x.overlaysOf(app->pid()))
                if (w.id == focus) return true;
            return false;
        });
    }
    QString why() { return app->errorString() + app->output(); }
    QImage lastShot;

    // How many pixels of `points` show `colour`.
    int showing(const QList<QPoint>& points, const QColor& colour) {
        const QImage shot = x.screenshot();
        lastShot = shot;
        int n = 0;
        for (const QPoint& p : points)
            n += isColour(shot.pixelColor(p), colour);
        return n;
    }
    bool waitShowing(const QList<QPoint>& points, const QColor& colour, int least, int ms = 3000) {
        return waitFor([&] { return showing(points, colour) >= least; }, ms);
    }
    bool waitGone(const QList<QPoint>& points, const QColor& colour, int ms = 3000) {
        return waitFor([&] { return showing(points, colour) == 0; }, ms);
    }
};

// Points every few pixels along a segment.
QList<QPoint> along(QPoint from, QPoint to, int count = 12) {
    QList<QPoint> points;
    for (int i = 1; i < count; ++i)
        points << from + (to - from) * (double(i) / count);
    return points;
}

// The null sink's monitor, recorded as raw 16-bit mono at the sounds' rate.
class Recorder {
  public:
    Recorder() {
        m_parec.start("parec", {"--latency-msec=50", "-d", "nul.monitor", "--raw", "--format=s16le",
                                "--rate=44100", "--channels=1"});
    }
    ~Recorder() {
        if (m_parec.state() == QProcess::NotRunning) return;
        m_parec.terminate();
        if (!m_parec.waitForFinished(2000)) m_parec.kill();
        m_parec.waitForFinished();
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    bool started() { return m_parec.waitForStarted(3000); }
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
    // Lets the stream get going: its first few hundred samples never arrive.
    void settle() {
        waitFor([this] { return m_parec.bytesAvailable() > 44100 / 10 * 2; }, 2000);
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
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        // A free stroke: a wave through three crests.
        const QList<QPoint> wave{{150, 200}, {200, 160}, {250, 200}, {300, 240},
                                 {350, 200}, {400, 160}, {450, 200}};
        drag(wave);
        // A free stroke curves through the midpoints between the points.
        const QList<QPoint> bends{{175, 180}, {275, 220}, {375, 180}};
        QVERIFY2(h.waitShowing(bends, coral, 3), "the wave is not coral where it bends");
        // The same wave with Shift held: one straight line from first to last.
        const QList<QPoint> shifted{{150, 400}, {200, 360}, {250, 400}, {300, 440},
                                    {350, 400}, {400, 360}, {450, 400}};
        drag(shifted, {"shift"});
        const QList<QPoint> line = along({150, 400}, {450, 400});
        QVERIFY2(h.waitShowing(line, coral, int(line.size())), "the straight line is missing");
        QCOMPARE(h.showing({{175, 380}, {275, 420}, {375, 380}}, coral), 0);
        keep(h.x.screenshot(), "drawing-wave-and-line");
    }

    void aClickPlaysTheChosenSoundAtTheChosenVolume() {
        Handwick h({{"sound", "knock"}, {"volume", 0.6}});
        QVERIFY2(h.start(), qPrintable(h.why()));
        Recorder recorder;
        QVERIFY(recorder.started());
        recorder.settle();
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
        Handwick h({{"muted", true}});
        QVERIFY2(h.start(), qPrintable(h.why()));
        Recorder recorder;
        QVERIFY(recorder.started());
        recorder.settle();
        const QPoint at(300, 300);
        xdotool({"mousemove", "300", "300", "sleep", "0.05", "click", "1"});
        // The ring spreads from the click: its coral shows left of the hand.
        const QRect left(at - QPoint(40, 40), QSize(36, 80));
        QVERIFY(waitFor(
            [&] {
                const QImage shot = h.x.screenshot(left);
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
        Handwick h;
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QList<QPoint> first = along({150, 150}, {500, 150});
        const QList<QPoint> second = along({150, 250}, {500, 250});
        drag({{150, 150}, {300, 150}, {500, 150}});
        drag({{150, 250}, {300, 250}, {500, 250}});
        QVERIFY(h.waitShowing(second, coral, int(second.size())));
        // A right click takes back the last stroke only.
        clickAt({700, 500}, 3);
        QVERIFY2(h.waitGone(second, coral), "undo left the second stroke");
        QCOMPARE(h.showing(first, coral), int(first.size()));
        // So does Ctrl+Z, found by the letter its key gives.
        const QList<QPoint> third = along({150, 350}, {500, 350});
        drag({{150, 350}, {500, 350}});
        QVERIFY(h.waitShowing(third, coral, int(third.size())));
        press("ctrl+z");
        QVERIFY2(h.waitGone(third, coral), "Ctrl+Z left the third stroke");
        QCOMPARE(h.showing(first, coral), int(first.size()));
        // Backspace clears everything.
        drag({{150, 350}, {500, 350}});
        QVERIFY(h.waitShowing(along({150, 350}, {500, 350}), coral, 11));
        press("BackSpace");
        QVERIFY2(h.waitGone(first + along({150, 350}, {500, 350}), coral), "clear left ink");

        // 3 picks the arrow: its head is a filled triangle about the tip.
        press("3");
        drag({{150, 500}, {300, 500}, {500, 500}});
        const QList<QPoint> head{{490, 500}, {485, 496}, {485, 504}, {480, 492}, {480, 508}};
        QVERIFY2(h.waitShowing(head, coral, int(head.size())), "no arrow head");
        // 5 picks the steps: a click leaves badge 1 there, a white ring round coral.
        press("5");
        clickAt({800, 200});
        QVERIFY(waitFor([&] {
            const QImage shot = h.x.screenshot();
            return isColour(shot.pixelColor(800 - 15, 200), Qt::white, 40) &&
                   isColour(shot.pixelColor(800 - 10, 200 + 8), coral);
        }));
        keep(h.x.screenshot(), "drawing-arrow-and-badge");
    }

    void inkFadesAfterTheChosenDelay() {
        Handwick h({{"fadeAfter", 1.0}});
        QVERIFY2(h.start(), qPrintable(h.why()));
        const QList<QPoint> line = along({150, 300}, {500, 300});
        drag({{150, 300}, {300, 300}, {500, 300}});
        QElapsedTimer since;
        since.start();
        QVERIFY(h.waitShowing(line, coral, int(line.size())));
        QVERIFY2(h.waitGone(line, coral, 4000), "the stroke never faded");
        QVERIFY2(since.elapsed() > 700, qPrintable(QString::number(since.elapsed())));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    E2eDrawing test;
    return QTest::qExec(&test, argc, argv);
}
#include "e2e_drawing.moc"
