#pragma once
#include <QString>
#include <QVariant>
#include <array>
#include <memory>
#include <vector>

// What an animation reads and writes: a layer's model values and the values
// it presents (draws) at the moment being evaluated.
class AnimatedValues {
  public:
    virtual ~AnimatedValues() = default;
    virtual QVariant modelValue(const QString& keyPath) const = 0;
    virtual QVariant presentedValue(const QString& keyPath) const = 0;
    virtual void setPresentedValue(const QString& keyPath, const QVariant& value) = 0;
};

// Pacing of an animation's progress; the curves are the usual cubic Béziers
// (Default is the one implicit animations use).
enum class Timing { Linear, EaseOut, Default };

// Something that changes layer values over time. Layers keep their own copy
// (Layer::addAnimation clones), so an animation can be set up once and reused.
// An animation starts when added and is removed when it ends; the model
// values show again.
class Animation {
  public:
    virtual ~Animation() = default;
    virtual std::unique_ptr<Animation> clone() const = 0;

    // Seconds; 0 means the enclosing group's duration, or the transaction's.
    double duration = 0.0;
    Timing timing = Timing::Linear;

    // The length of one run, resolving 0 as described above.
    virtual double activeDuration(double inherited) const;
    // Called once when added to a layer: fills in values taken from it.
    virtual void prepare(const AnimatedValues& values) = 0;
    // Writes this animation's values at `localTime` (seconds since it began,
    // 0..duration) into the presented values.
    virtual void apply(double localTime, double duration, AnimatedValues& values) const = 0;
    // Whether the animation changes what moves the sublayers too (geometry,
    // opacity).
    virtual bool touchesGeometry() const = 0;
    // Adds the key paths this animation changes.
    virtual void collectKeyPaths(QStringList& keys) const = 0;
};

// Interpolates one key path from `from` to `to`. A missing `from` starts at
// the value shown when the animation was added; a missing `to` ends at the
// model value. Key paths are the animatable property names, and
// "transform.scale".
class BasicAnimation : public Animation {
  public:
    BasicAnimation() = default;
    BasicAnimation(QString keyPath, QVariant from, QVariant to, double duration = 0.0,
                   Timing timing = Timing::Linear);
    std::unique_ptr<Animation> clone() const override;
    void prepare(const AnimatedValues& values) override;
    void apply(double localTime, double duration, AnimatedValues& values) const override;
    bool touchesGeometry() const override;
    void collectKeyPaths(QStringList& keys) const override { keys << keyPath; }

    QString keyPath;
    QVariant from;
    QVariant to;

  protected:
    // Progress 0..1 (a spring may go past 1) at `localTime`.
    virtual double progress(double localTime, double duration) const;

  private:
    QVariant m_startValue; // `from`, or the value shown when added
};

// A damped spring from `from` to `to`, starting at rest. Its timing curve is
// the spring itself; a duration of 0 means settlingDuration().
class SpringAnimation : public BasicAnimation {
  public:
    SpringAnimation() = default;
    SpringAnimation(QString keyPath, QVariant from, QVariant to);
    std::unique_ptr<Animation> clone() const override;
    double activeDuration(double inherited) const override;

    double damping = 10.0;
    double mass = 1.0;
    double stiffness = 100.0;

    // The time after which the spring stays within a small tolerance of `to`.
    double settlingDuration() const;

  protected:
    double progress(double localTime, double duration) const override;

  private:
    // Progress of the spring (0 at rest at `from`, 1 at `to`) after t seconds.
    double springProgress(double t) const;

    mutable std::array<double, 3> m_settledFor{-1, -1, -1};
    mutable double m_settled = 0.0;
};

// Several animations on one shared clock; its timing curve bends the time the
// children see. A child's duration of 0 becomes the group's.
class AnimationGroup : public Animation {
  public:
    AnimationGroup() = default;
    AnimationGroup(const AnimationGroup& other);
    AnimationGroup& operator=(const AnimationGroup& other);
    std::unique_ptr<Animation> clone() const override;
    void prepare(const AnimatedValues& values) override;
    void apply(double localTime, double duration, AnimatedValues& values) const override;
    bool touchesGeometry() const override;
    void collectKeyPaths(QStringList& keys) const override;

    void add(const Animation& animation) { animations.push_back(animation.clone()); }
    std::vector<std::unique_ptr<Animation>> animations;
};
