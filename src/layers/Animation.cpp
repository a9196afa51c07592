#include "layers/Animation.h"

#include "layers/Interpolate.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
struct Bezier {
    double x1, y1, x2, y2;
};

Bezier curveOf(Timing timing) {
    switch (timing) {
    case Timing::EaseOut:
        return {0.0, 0.0, 0.58, 1.0};
    case Timing::Default:
        return {0.25, 0.1, 0.25, 1.0};
    case Timing::Linear:
        break;
    }
    return {0.0, 0.0, 1.0, 1.0};
}

double bezier(double a, double b, double s) {
    // One coordinate of a cubic Bézier from 0 to 1 with control values a, b.
    const double u = 1.0 - s;
    return 3 * u * u * s * a + 3 * u * s * s * b + s * s * s;
}

double solveForX(const Bezier& c, double x) {
    // x(s) is monotonic for control x values in 0..1, so bisection always
    // converges; 30 halvings are far below a pixel over any duration.
    double lo = 0.0, hi = 1.0;
    for (int i = 0; i < 30; ++i) {
        const double mid = (lo + hi) / 2;
        (bezier(c.x1, c.x2, mid) < x ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

constexpr double settleTolerance = 0.005; // of the whole distance
constexpr double longestSettle = 30.0;    // seconds; a bound for weak springs

double timingCurve(Timing timing, double p) {
    p = std::clamp(p, 0.0, 1.0);
    if (timing == Timing::Linear || p == 0.0 || p == 1.0) return p;
    const Bezier c = curveOf(timing);
    return bezier(c.y1, c.y2, solveForX(c, p));
}
} // namespace

double Animation::activeDuration(double inherited) const {
    return duration > 0 ? duration : std::max(inherited, 0.0);
}

BasicAnimation::BasicAnimation(QString key, QVariant fromValue, QVariant toValue, double seconds,
                               Timing pacing)
    : keyPath(std::move(key)), from(std::move(fromValue)), to(std::move(toValue)) {
    duration = seconds;
    timing = pacing;
}

std::unique_ptr<Animation> BasicAnimation::clone() const {
    return std::make_unique<BasicAnimation>(*this);
}

void BasicAnimation::prepare(const AnimatedValues& values) {
    m_startValue = from.isValid() ? from : values.presentedValue(keyPath);
}

double BasicAnimation::progress(double localTime, double length) const {
    if (length <= 0) return 1.0;
    return timingCurve(timing, localTime / length);
}

void BasicAnimation::apply(double localTime, double length, AnimatedValues& values) const {
    if (keyPath.isEmpty()) return;
    const QVariant start = m_startValue.isValid() ? m_startValue : from;
    const QVariant end = to.isValid() ? to : values.modelValue(keyPath);
    if (!start.isValid() || !end.isValid()) return;
    values.setPresentedValue(keyPath, interpolate(start, end, progress(localTime, length)));
}

bool BasicAnimation::touchesGeometry() const {
    return keyPath.startsWith("position") || keyPath.startsWith("bounds") ||
           keyPath.startsWith("transform") || keyPath == "anchorPoint" || keyPath == "opacity";
}

SpringAnimation::SpringAnimation(QString key, QVariant fromValue, QVariant toValue)
    : BasicAnimation(std::move(key), std::move(fromValue), std::move(toValue)) {}

std::unique_ptr<Animation> SpringAnimation::clone() const {
    return std::make_unique<SpringAnimation>(*this);
}

double SpringAnimation::activeDuration(double) const {
    return duration > 0 ? duration : settlingDuration();
}

double SpringAnimation::springProgress(double t) const {
    // Unusable parameters (zero mass or stiffness, negative damping) would
    // divide by zero or never settle; they get the nearest sensible spring.
    const double m = std::max(mass, 1e-3);
    const double k = std::max(stiffness, 1e-3);
    const double c = std::max(damping, 0.0);
    const double w0 = std::sqrt(k / m);
    const double zeta = c / (2 * std::sqrt(k * m));
    // Displacement from the target: starts at -1, at rest.
    double y = 0;
    if (zeta < 1.0 - 1e-9) {
        const double wd = w0 * std::sqrt(1 - zeta * zeta);
        const double b = -zeta * w0 / wd;
        y = std::exp(-zeta * w0 * t) * (-std::cos(wd * t) + b * std::sin(wd * t));
    } else if (zeta <= 1.0 + 1e-9) {
        y = std::exp(-w0 * t) * (-1 - w0 * t);
    } else {
        const double root = std::sqrt(zeta * zeta - 1);
        const double r1 = -w0 * (zeta - root), r2 = -w0 * (zeta + root);
        const double c1 = r2 / (r1 - r2);
        y = c1 * std::exp(r1 * t) + (-1 - c1) * std::exp(r2 * t);
    }
    return 1.0 + y;
}

double SpringAnimation::settlingDuration() const {
    const std::array<double, 3> params{damping, mass, stiffness};
    if (params == m_settledFor) return m_settled;
    // The last moment, in steps of a millisecond, that the spring is further
    // from its target than the tolerance. Stepping stops once the motion has
    // stayed inside for three seconds.
    double last = 0.0;
    int quiet = 0;
    for (int i = 0; i <= int(longestSettle * 1000) && quiet < 3000; ++i) {
        const double t = i / 1000.0;
        if (std::abs(springProgress(t) - 1.0) > settleTolerance) {
            last = t;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    m_settledFor = params;
    m_settled = last;
    return last;
}

double SpringAnimation::progress(double localTime, double) const {
    return springProgress(localTime);
}

AnimationGroup::AnimationGroup(const AnimationGroup& other) : Animation(other) {
    for (const auto& a : other.animations)
        animations.push_back(a->clone());
}

AnimationGroup& AnimationGroup::operator=(const AnimationGroup& other) {
    if (this == &other) return *this;
    Animation::operator=(other);
    animations.clear();
    for (const auto& a : other.animations)
        animations.push_back(a->clone());
    return *this;
}

std::unique_ptr<Animation> AnimationGroup::clone() const {
    return std::make_unique<AnimationGroup>(*this);
}

void AnimationGroup::prepare(const AnimatedValues& values) {
    for (auto& a : animations)
        a->prepare(values);
}

void AnimationGroup::apply(double localTime, double length, AnimatedValues& values) const {
    const double t = length > 0 ? timingCurve(timing, localTime / length) * length : length;
    for (const auto& child : animations) {
        const double childLength = child->activeDuration(length);
        if (t <= childLength) child->apply(t, childLength, values);
    }
}

bool AnimationGroup::touchesGeometry() const {
    return std::any_of(animations.begin(), animations.end(),
                       [](const auto& a) { return a->touchesGeometry(); });
}

void AnimationGroup::collectKeyPaths(QStringList& keys) const {
    for (const auto& a : animations)
        a->collectKeyPaths(keys);
}
