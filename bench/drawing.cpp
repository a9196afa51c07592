// What drawing costs: one drag movement late in a very long stroke, a frame
// of the moving hand over a screen full of finished ink against an empty
// screen, and the time from the button going down to the tap sound's play.
#include "Measure.h"
#include "common/PoolWorker.h"
#include "handart/HandPainter.h"
#include "handart/HandSkin.h"
#include "layers/LayerAnimator.h"
#include "layers/LayerRenderer.h"
#include "overlay/Ink.h"
#include "overlay/InkBoard.h"
#include "overlay/OverlayView.h"
#include "prefs/Prefs.h"
#include "sound/SinkVoices.h"
#include "sound/SoundBank.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr double screenW = 1920, screenH = 1080;

// A wandering stroke's points, like a hand drawing slowly across the screen.
QPointF wander(int i) {
    return {100 + std::fmod(i * 0.17, 1700.0) + 30 * std::sin(i * 0.05),
            540 + 300 * std::sin(i * 0.0021) + 20 * std::cos(i * 0.07)};
}

// Paints what the tree marked as changed into `screen`, as a window would:
// on a worker of Qt's pool, where the painter's fills are not split up.
void paintDamage(OverlayView& view, QImage& screen) {
    const QRegion region = view.root->dirtyRegion();
    view.root->clearDirtyRegion();
    if (region.isEmpty()) return;
    PoolWorker::run([&] {
        QPainter painter(&screen);
        LayerRenderer::repaint(painter, *view.root, region);
    });
}

QImage screenImage() {
    QImage image(int(screenW), int(screenH), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void dragMovement(const Prefs& prefs) {
    InkBoard pointer(prefs, nullptr);
    OverlayView view({screenW, screenH}, 1.0);
    QImage screen = screenImage();
    pointer.down(wander(0), view);
    for (int i = 1; i < 10000; ++i)
        pointer.dragged(wander(i), false, view);
    paintDamage(view, screen);
    int next = 10000;
    const double update = Measure::medianMicros(200, [&] {
        pointer.dragged(wander(next++), false, view);
        (void)view.root->dirtyRegion();
    });
    Measure::report("drag movement at 10,000 points (path, layer, damage)", update);
    const double painted = Measure::medianMicros(200, [&] {
        pointer.dragged(wander(next++), false, view);
        paintDamage(view, screen);
    });
    Measure::report("drag movement at 10,000 points, painted", painted);
    pointer.up(view);
    pointer.clear();
}

// 300 items in a grid over the screen: strokes of every kind, and every
// fifth a badge when asked.
void fillWithInk(OverlayView& view, bool badges) {
    const Tool tools[] = {Tool::pen, Tool::highlighter, Tool::arrow, Tool::box};
    int number = 1;
    for (int i = 0; i < 300; ++i) {
        const QPointF at(40 + (i % 20) * 92.0, 40 + (i / 20) * 66.0);
        if (badges && i % 5 == 4) {
            LayerPtr badge = Ink::step(number++, at + QPointF(20, 20), InkColor::violet, 1.0);
            badge->removeAllAnimations();
            view.ink->addSublayer(badge);
            continue;
        }
        const Tool tool = tools[i % 4];
        std::vector<QPointF> points;
        for (int k = 0; k < 12; ++k)
            points.push_back(at + QPointF(k * 6.0, 20 + 18 * std::sin(k * 0.7 + i)));
        auto stroke = Ink::layer(tool, InkColor(i % 6), 5.0);
        stroke->setFrame(view.root->bounds());
        stroke->setPath(Ink::path(tool, points, false, 5.0));
        view.ink->addSublayer(stroke);
    }
}

enum class Scene { empty, strokes, strokesAndBadges };

double handFrames(Scene scene) {
    OverlayView view({screenW, screenH}, 1.0);
    if (scene != Scene::empty) fillWithInk(view, scene == Scene::strokesAndBadges);
    const HandSkin skin = HandSkin::classic();
    view.use(HandPainter::render(skin, 116, 1.0), skin.id, 116);
    view.arm->setHidden(false);
    QImage screen = screenImage();
    paintDamage(view, screen);
    {
        // A second look at still ink is what lets the renderer keep its bitmaps.
        QPainter painter(&screen);
        LayerRenderer::paint(painter, *view.root, QRegion(0, 0, int(screenW), int(screenH)));
    }
    int frame = 0;
    const auto step = [&] {
        const double t = frame++ * 0.016;
        // Sweeps across the whole screen, over the ink, swaying as it goes.
        view.arm->setPosition({960 + 800 * std::sin(t * 0.9), 540 + 420 * std::sin(t * 1.3)});
        QTransform turn;
        turn.rotateRadians(0.36 + 0.2 * std::sin(t * 3));
        view.arm->setTransform(turn);
        LayerAnimator::advance();
        paintDamage(view, screen);
    };
    for (int i = 0; i < 60; ++i)
        step(); // warm the caches
    return Measure::medianMicros(400, step);
}

void soundLatency(const Prefs& prefs) {
    OverlayView view({screenW, screenH}, 1.0);
    SoundBank bank(std::make_unique<SinkVoiceFactory>());
    QElapsedTimer clock;
    qint64 issuedAt = 0, playedAt = 0;
    InkBoard pointer(prefs, [&](TapSound sound, double) {
        issuedAt = clock.nsecsElapsed();
        bank.play(sound, 0.0); // silent, but the whole path
        playedAt = clock.nsecsElapsed();
    });
    std::vector<double> toPlay, returned, whole;
    for (int i = 0; i < 200; ++i) {
        clock.start();
        pointer.down({500, 500}, view);
        whole.push_back(clock.nsecsElapsed() / 1000.0);
        toPlay.push_back(issuedAt / 1000.0);
        returned.push_back(playedAt / 1000.0);
        pointer.up(view);
        view.effects->removeAllAnimations();
        for (const LayerPtr& ring : std::vector<LayerPtr>(view.effects->sublayers()))
            ring->removeFromSuperlayer();
        QCoreApplication::processEvents();
    }
    for (auto* v : {&toPlay, &returned, &whole})
        std::sort(v->begin(), v->end());
    Measure::report("button down -> SoundBank::play issued (median)", toPlay[toPlay.size() / 2]);
    Measure::report("button down -> SoundBank::play returned (median)",
                    returned[returned.size() / 2]);
    Measure::report("InkBoard::down in all, with ring (median)", whole[whole.size() / 2]);
}
} // namespace

int main(int argc, char** argv) {
    // Benchmarks must not touch the user's settings.
    QTemporaryDir config;
    QApplication app(argc, argv);
    Prefs prefs(config.filePath("Handwick.ini"));
    if (qEnvironmentVariableIsSet("ONLY")) {
        for (int i = 0; i < 20; ++i)
            handFrames(Scene::empty);
        return 0;
    }
    dragMovement(prefs);
    // Interleaved, best of three each: other work on the machine shifts
    // single runs by more than the difference looked for.
    double empty = 1e9, strokes = 1e9, mixed = 1e9;
    for (int run = 0; run < 3; ++run) {
        empty = std::min(empty, handFrames(Scene::empty));
        strokes = std::min(strokes, handFrames(Scene::strokes));
        mixed = std::min(mixed, handFrames(Scene::strokesAndBadges));
    }
    Measure::report("moving-hand frame, empty 1920x1080 screen", empty);
    Measure::report("moving-hand frame, 300 strokes", strokes);
    Measure::report("moving-hand frame, 240 strokes and 60 badges", mixed);
    std::printf("%-58s %10.2f x\n", "ratio, strokes / empty (target within 1.2)", strokes / empty);
    std::printf("%-58s %10.2f x\n", "ratio, strokes and badges / empty", mixed / empty);
    soundLatency(prefs);
    return 0;
}
