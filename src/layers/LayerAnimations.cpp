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
    run->begin = MediaClock::now();
    run->length = run->animation->activeDuration(Transaction::animationDuration());
    run->token = Transaction::animationStarted();
    const bool geometry = run->animation->touchesGeometry();

    // The replaced one goes last: releasing it may complete a transaction.
    std::unique_ptr<RunningAnimation> replaced;
    if (!key.isEmpty()) {
        auto old = std::find_if(m_animations.begin(), m_animations.end(),
                                [&](const auto& r) { return r->key == key; });
        if (old != m_animations.end()) {
            replaced = std::move(*old);
            m_animations.erase(old);
        }
    }
    markPainted(geometry);
    m_animations.push_back(std::move(run));
    registerAnimated(true);
    didChange(geometry);
}

void Layer::removeAllAnimations() {
    if (m_animations.empty()) return;
    const bool geometry = std::any_of(m_animations.begin(), m_animations.end(), [](const auto& r) {
        return r->animation->touchesGeometry();
    });
    markPainted(geometry);
    const auto removed = std::move(m_animations);
    m_animations.clear();
    registerAnimated(false);
    didChange(geometry);
}

void Layer::startImplicitAnimation(const QString& key, const QVariant& from) {
    BasicAnimation implicit(key, from, QVariant(), Transaction::animationDuration(),
                            Timing::Default);
    addAnimation(implicit, key);
}

const LayerProps& Layer::presentedProps() const {
    ensurePresentation();
    return m_presentation;
}

void Layer::ensurePresentation() const {
    const double t = currentFrameTime();
    if (m_animations.empty() || m_presentationTime == t) return;
    auto* self = const_cast<Layer*>(this);
    m_presentation = m_props;
    self->resetOwnPresentation();
    m_presentationTime = t;
    // One added since the last frame shows its start.
    for (const auto& run : m_animations)
        run->animation->apply(std::clamp(t - run->begin, 0.0, run->length), run->length, *self);
}

bool Layer::contentAnimated() const {
    if (m_animations.empty()) return false;
    QStringList keys;
    for (const auto& run : m_animations)
        run->animation->collectKeyPaths(keys);
    return std::any_of(keys.begin(), keys.end(), [](const QString& key) {
        return !(key.startsWith("position") || key.startsWith("transform") || key == "opacity" ||
                 key == "anchorPoint");
    });
}

// The animator ------------------------------------------------------------------

bool LayerAnimator::hasRunningAnimations() {
    return !animatedLayers().empty();
}

void LayerAnimator::advance() {
    struct Moving {
        Layer* layer;
        std::shared_ptr<Layer> keep;
        bool geometry;
    };
    std::vector<Moving> moving;
    for (Layer* layer : animatedLayers()) {
        const auto& runs = layer->m_animations;
        const bool geometry = std::any_of(runs.begin(), runs.end(), [](const auto& r) {
            return r->animation->touchesGeometry();
        });
        moving.push_back({layer, layer->weak_from_this().lock(), geometry});
    }
    // Where everything was drawn, then where it is drawn now.
    for (auto& m : moving)
        m.layer->markPainted(m.geometry);
    currentFrameTime() = std::max(currentFrameTime(), MediaClock::now());
    const double now = currentFrameTime();

    // Ended animations are released after every layer is done: completions
    // may change the trees (a ripple removes itself when its animation ends).
    std::vector<std::unique_ptr<Layer::RunningAnimation>> ended;
    for (auto& m : moving) {
        auto& runs = m.layer->m_animations;
        for (auto it = runs.begin(); it != runs.end();) {
            if ((*it)->endedAt(now)) {
                ended.push_back(std::move(*it));
                it = runs.erase(it);
            } else {
                ++it;
            }
        }
        if (runs.empty()) m.layer->registerAnimated(false);
        m.layer->didChange(m.geometry);
    }
    ended.clear();
}
