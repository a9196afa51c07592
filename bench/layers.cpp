// Cost of the overlay's frames with the layer tree: a moving hand over a 4K
// screen with and without 300 shadowed ink items elsewhere (strokes, or
// strokes and numbered badges), versus a full repaint.
#include "Measure.h"
#include "layers/Layer.h"
#include "layers/LayerRenderer.h"
#include "layers/ShapeLayer.h"
#include "layers/TextLayer.h"
#include "layers/Transaction.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {
constexpr double screenW = 3840, screenH = 2160;
const QStringList noActions{"position", "bounds",   "transform", "path",
                            "hidden",   "contents", "opacity",   "frame"};

QImage handImage() {
    QImage image(180, 220, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 214, 170));
    p.setPen(QPen(Qt::black, 4));
    p.drawRoundedRect(QRectF(20, 20, 140, 180), 40, 40);
    return image;
}

struct Overlay {
    LayerPtr root = Layer::make();
    std::shared_ptr<ShapeLayer> dim = ShapeLayer::make();
    LayerPtr ink = Layer::make(), arm = Layer::make(), stick = Layer::make(), hand = Layer::make(),
             laser = Layer::make(), effects = Layer::make();
    std::shared_ptr<ShapeLayer> trail = ShapeLayer::make();

    // A numbered badge: a bordered, shadowed disc with a text sublayer.
    static LayerPtr badge(int number, QPointF centre) {
        auto disc = Layer::make();
        disc->setBounds({0, 0, 34, 34});
        disc->setPosition(centre);
        disc->setCornerRadius(17);
        disc->setBackgroundColor(QColor(150, 90, 240));
        disc->setBorderColor(Qt::white);
        disc->setBorderWidth(3);
        disc->setShadowOpacity(0.3);
        disc->setShadowOffset({0, -1.5});
        auto digits = TextLayer::make();
        digits->setString(QString::number(number));
        digits->setFontSize(17);
        digits->setAlignment(Qt::AlignHCenter);
        digits->setFrame({0, 6, 34, 22});
        disc->addSublayer(digits);
        return disc;
    }

    // Every fifth item is a badge when `badges` is set.
    Overlay(int strokes, bool badges) {
        root->setBounds({0, 0, screenW, screenH});
        root->setMasksToBounds(true);
        dim->setFillRule(Qt::OddEvenFill);
        dim->setFillColor(QColor(0, 0, 0, 158));
        dim->setHidden(true);
        trail->setFillColor(QColor());
        trail->setHidden(true);
        for (const LayerPtr& l : {LayerPtr(dim), ink, arm, LayerPtr(trail), laser, effects}) {
            l->setFrame(root->bounds());
            root->addSublayer(l);
        }
        arm->setFrame({0, 0, 180, 220});
        arm->setAnchorPoint({40.0 / 180, 1 - 20.0 / 220});
        stick->setAnchorPoint({0.5, 1.0});
        stick->setBounds({0, 0, 16.5, 5000});
        stick->setCornerRadius(8.25);
        stick->setBorderWidth(1.5);
        stick->setBackgroundColor(QColor(183, 129, 74));
        stick->setBorderColor(QColor(100, 71, 41));
        stick->setPosition({120, 40});
        stick->setTransform(QTransform().rotateRadians(0.6));
        hand->setFrame(arm->bounds());
        hand->setContents(handImage());
        arm->addSublayer(stick);
        arm->addSublayer(hand);
        laser->setHidden(true);
        for (const LayerPtr& l :
             {LayerPtr(dim), ink, arm, stick, hand, laser, LayerPtr(trail), effects})
            l->disableImplicitAnimations(noActions);
        // Pen strokes across the left and lower parts of the screen; the hand
        // works in the upper right.
        for (int i = 0; i < strokes; ++i) {
            const double x0 = 60 + (i % 20) * 100, y0 = 80 + (i / 20) * 70;
            if (badges && i % 5 == 4) {
                ink->addSublayer(badge(i / 5 + 1, {x0 + 40, y0}));
                continue;
            }
            auto stroke = ShapeLayer::make();
            stroke->disableImplicitAnimations({"path", "opacity"});
            stroke->setFrame(root->bounds());
            stroke->setFillColor(QColor());
            stroke->setStrokeColor(QColor::fromRgbF(1, 0.42, 0.35));
            stroke->setLineWidth(5);
            stroke->setLineCap(Qt::RoundCap);
            stroke->setLineJoin(Qt::RoundJoin);
            stroke->setShadowOpacity(0.25);
            stroke->setShadowRadius(2);
            stroke->setShadowOffset({0, -1});
            QPainterPath path;
            path.moveTo(x0, y0);
            for (int k = 1; k < 40; ++k)
                path.quadTo(x0 + k * 2.0, y0 + 25 * std::sin(k * 0.3), x0 + k * 2.0 + 1,
                            y0 + 25 * std::sin(k * 0.3 + 0.15));
            stroke->setPath(path);
            ink->addSublayer(stroke);
        }
        arm->setPosition({3000, 1500});
        Transaction::flush();
    }
};

// CPU time of the whole process (Qt may use helper threads), which other
// programs running on the machine do not inflate the way they do wall time.
double cpuMicros() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

template <typename F> double medianCpuMicros(int runs, F&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMicros();
        work();
        times.push_back(cpuMicros() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

qint64 area(const QRegion& region) {
    qint64 sum = 0;
    for (const QRect& r : region)
        sum += qint64(r.width()) * r.height();
    return sum;
}

// One frame as the overlay makes it: change, collect damage, paint it.
void frame(const char* label, Overlay& o, QImage& screen, const std::function<void(int)>& change) {
    int count = 0;
    qint64 painted = 0;
    QPainter painter(&screen);
    const auto one = [&] {
        change(count++);
        const QRegion dirty = o.root->dirtyRegion();
        o.root->clearDirtyRegion();
        painted += area(dirty);
        painter.save();
        painter.setClipRegion(dirty);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(dirty.boundingRect(), Qt::transparent);
        painter.restore();
        LayerRenderer::paint(painter, *o.root, dirty);
    };
    for (int i = 0; i < 50; ++i)
        one(); // first frames fill the bitmap caches
    count = 0;
    painted = 0;
    const double micros = medianCpuMicros(400, one);
    char text[160];
    std::snprintf(text, sizeof text, "%s (%lld px/frame)", label, painted / std::max(count, 1));
    Measure::report(text, micros);
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImage screen(int(screenW), int(screenH), QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::transparent);
    const QRegion everything(0, 0, int(screenW), int(screenH));

    std::printf("layer tree, %g x %g root; one frame = change + damage + paint; median CPU time\n",
                screenW, screenH);
    struct Ink {
        int items;
        bool badges;
        const char* name;
    };
    for (const Ink& ink : {Ink{0, false, "no ink"}, Ink{300, false, "300 strokes"},
                           Ink{300, true, "240 strokes + 60 badges"}}) {
        Overlay o(ink.items, ink.badges);
        for (int warm = 0; warm < 2; ++warm) { // a still picture gets cached
            QPainter p(&screen);
            LayerRenderer::paint(p, *o.root, everything);
        }
        o.root->clearDirtyRegion();
        char label[120];
        // The hand image alone moving by 7 points.
        const QPointF home = o.hand->position();
        std::snprintf(label, sizeof label, "hand image moves 7 pt, %s", ink.name);
        frame(label, o, screen,
              [&](int f) { o.hand->setPosition(home + QPointF(f % 2 ? 0 : 7, 0)); });
        o.hand->setPosition(home);
        // The whole arm: hand, tilted stick, sway.
        std::snprintf(label, sizeof label, "arm (hand + stick) moves 7 pt and sways, %s", ink.name);
        frame(label, o, screen, [&](int f) {
            o.arm->setPosition({3000.0 + (f % 2) * 7, 1500});
            o.arm->setTransform(QTransform().rotateRadians(0.36 + (f % 2) * 0.01));
        });
        std::snprintf(label, sizeof label, "arm over the ink moves 7 pt and sways, %s", ink.name);
        frame(label, o, screen, [&](int f) {
            o.arm->setPosition({700.0 + (f % 2) * 7, 500});
            o.arm->setTransform(QTransform().rotateRadians(0.36 + (f % 2) * 0.01));
        });
        o.arm->setPosition({3000, 1500});
        std::snprintf(label, sizeof label, "spotlight hole moves 7 pt, %s", ink.name);
        o.dim->setHidden(false);
        frame(label, o, screen, [&](int f) {
            QPainterPath path;
            path.addRect(o.root->bounds());
            path.addEllipse(QPointF(3000.0 + (f % 2) * 7, 1500), 180, 180);
            o.dim->setPath(path);
        });
        o.dim->setHidden(true);
        QPainter p(&screen);
        std::snprintf(label, sizeof label, "full repaint, %s", ink.name);
        Measure::report(label, medianCpuMicros(20, [&] {
                            p.setCompositionMode(QPainter::CompositionMode_Source);
                            p.fillRect(screen.rect(), Qt::transparent);
                            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
                            LayerRenderer::paint(p, *o.root, everything);
                        }));
    }
    {
        Overlay o(300, false);
        QPainter p(&screen);
        Measure::report("first full repaint, 300 ink strokes (nothing cached)",
                        medianCpuMicros(1, [&] { LayerRenderer::paint(p, *o.root, everything); }));
    }
    return 0;
}
