// Explicit and implicit animations of layers, their presentation values, and
// the animator that advances them frame by frame.
#include "layers/Layer.h"
#include "layers/LayerAnimator.h"
#include "layers/MediaClock.h"
#include "layers/RunningAnimation.h"
#include "layers/Transaction.h"

#include <algorithm>
#include <unordered_set>

namespace {
std::unordered_set<Layer*>& animatedLayers() {
    static std::unordered_set<Layer*> layers;
    return layers;
}

double& currentFrameTime() {
    static double t = 0.0;
    return t;
}
} // namespace

void Layer::registerAnimated(bool animated) {
    if (animated)
        animatedLayers().insert(this);
    else
        animatedLayers().erase(this);
}

void Layer::addAnimation(const Animation& animation, const QString& key) {
    auto run = std::make_unique<RunningAnimation>();
    run->key = key;
    run->animation = animation.clone();
    run->animation->prepare(*this);
    run->startsWhenAdded = animation.beginTime <= 0;
    run->begin = run->startsWhenAdded ? MediaClock::now() : animation.beginTime;
    run->length = run->animation->activeDuration(Transaction::animationDuration());
    run->token = Transaction::animationStarted();
    const bool geometry = run->animation->touchesGeometry();

    std::unique_ptr<RunningAnimation> replaced;
    if (!key.isEmpty()) {
        auto old = std::find_if(animations_.begin(), animations_.end(),
                                [&](const auto& r) { return r->key == key; });
        if (old != animations_.end()) {
            replaced = std::move(*old);
            animations_.erase(old);
        }
    }
    markPainted(geometry);
    animations_.push_back(std::move(run));
    registerAnimated(true);
    didChange(geometry);
    if (replaced) replaced->stop(false);
}

void Layer::removeAnimation(const QString& key) {
    auto it = std::find_if(animations_.begin(), animations_.end(),
                           [&](const auto& r) { return r->key == key; });
    if (it == animations_.end()) return;
    const bool geometry = (*it)->animation->touchesGeometry();
    markPainted(geometry);
    auto removed = std::move(*it);
    animations_.erase(it);
    if (animations_.empty()) registerAnimated(false);
    didChange(geometry);
    removed->stop(false);
}

void Layer::removeAllAnimations() {
    while (!animations_.empty()) {
        const QString key = animations_.front()->key;
        if (key.isEmpty()) animations_.front()->key = QStringLiteral("\x01unnamed");
        removeAnimation(animations_.front()->key);
    }
}

const Animation* Layer::animationForKey(const QString& key) const {
    for (const auto& run : animations_)
        if (run->key == key) return run->animation.get();
    return nullptr;
}

QStringList Layer::animationKeys() const {
    QStringList keys;
    for (const auto& run : animations_)
        if (!run->key.isEmpty()) keys << run->key;
    return keys;
}

void Layer::startImplicitAnimation(const QString& key, const QVariant& from) {
    BasicAnimation implicit(key, from, QVariant(), Transaction::animationDuration(),
                            Timing::Default);
    addAnimation(implicit, key);
}

const LayerProps& Layer::presentedProps() const {
    ensurePresentation();
    return presentation_;
}

void Layer::ensurePresentation() const {
    const double t = LayerAnimator::frameTime();
    if (animations_.empty() || presentationTime_ == t) return;
    auto* self = const_cast<Layer*>(this);
    presentation_ = props_;
    self->resetOwnPresentation();
    presentationTime_ = t;
    for (const auto& run : animations_) {
        double local = t - run->begin;
        if (local < 0) {
            // Added since the last frame: show its start. One set to begin
            // later shows nothing yet.
            if (!run->startsWhenAdded) continue;
            local = 0;
        }
        if (local >= run->length) {
            const auto& a = *run->animation;
            if (!a.removedOnCompletion && a.fillMode != FillMode::Forwards) continue;
            local = run->length;
        }
        run->animation->apply(local, run->length, *self);
    }
}

bool Layer::contentAnimated() const {
    if (animations_.empty()) return false;
    QStringList keys;
    for (const auto& run : animations_)
        run->animation->collectKeyPaths(keys);
    return std::any_of(keys.begin(), keys.end(), [](const QString& key) {
        return !(key.startsWith("position") || key.startsWith("transform") || key == "opacity" ||
                 key == "anchorPoint" || key == "hidden");
    });
}

bool Layer::needsAnimationFrames() const {
    for (Layer* layer : animatedLayers()) {
        const bool running = std::any_of(layer->animations_.begin(), layer->animations_.end(),
                                         [](const auto& r) { return !r->stopped; });
        if (running && layer->rootLayer() == this) return true;
    }
    return false;
}

// The animator ------------------------------------------------------------------

double LayerAnimator::frameTime() {
    return currentFrameTime();
}

bool LayerAnimator::hasRunningAnimations() {
    for (Layer* layer : animatedLayers())
        for (const auto& run : layer->animations_)
            if (!run->stopped) return true;
    return false;
}

void LayerAnimator::advance() {
    struct Moving {
        Layer* layer;
        std::shared_ptr<Layer> keep;
        bool geometry;
    };
    std::vector<Moving> moving;
    for (Layer* layer : animatedLayers()) {
        bool running = false, geometry = false;
        for (const auto& run : layer->animations_) {
            if (run->stopped) continue;
            running = true;
            geometry = geometry || run->animation->touchesGeometry();
        }
        if (running) moving.push_back({layer, layer->weak_from_this().lock(), geometry});
    }
    // Where everything was drawn, then where it is drawn now.
    for (auto& m : moving)
        m.layer->markPainted(m.geometry);
    currentFrameTime() = std::max(currentFrameTime(), MediaClock::now());
    const double now = currentFrameTime();

    // Ended animations report after every layer is done: their callbacks may
    // change the trees (a ripple removes itself when its animation ends).
    struct Report {
        std::function<void(bool)> onStop;
        std::shared_ptr<Transaction::Token> token;
    };
    std::vector<Report> reports;
    std::vector<std::unique_ptr<Layer::RunningAnimation>> ended;
    for (auto& m : moving) {
        auto& runs = m.layer->animations_;
        for (auto it = runs.begin(); it != runs.end();) {
            auto& run = **it;
            if (run.stopped || !run.endedAt(now)) {
                ++it;
                continue;
            }
            run.stopped = true;
            reports.push_back({run.animation->onStop, std::move(run.token)});
            if (run.animation->removedOnCompletion) {
                ended.push_back(std::move(*it));
                it = runs.erase(it);
            } else {
                ++it;
            }
        }
        if (runs.empty()) m.layer->registerAnimated(false);
        m.layer->didChange(m.geometry);
    }
    for (auto& report : reports) {
        if (report.onStop) report.onStop(true);
        report.token.reset();
    }
}
