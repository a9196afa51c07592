#pragma once
#include "layers/Animation.h"
#include "layers/LayerProps.h"

#include <QHash>
#include <QRegion>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class Layer;
using LayerPtr = std::shared_ptr<Layer>;

class QPainter;

// One node of the retained layer tree. Coordinates are points with y up:
// `position` is where the `anchorPoint` (unit coordinates of `bounds`) sits in
// the superlayer, and `transform` turns the layer about that point. Images and
// text are drawn upright whatever the y direction.
//
// A layer without a superlayer is a root: it collects the damage (the area to
// repaint) of its whole tree. Every change of a visible property marks the old
// and the new painted area; setting a property to the value it has marks
// nothing. Changes may animate implicitly (see Transaction and the action
// table); animations are drawn through presentation values, while the getters
// always answer the model value that was set.
//
// Main thread only. Layers are held by shared pointers; a superlayer owns its
// sublayers.
class Layer : public std::enable_shared_from_this<Layer>, protected AnimatedValues {
  public:
    Layer();
    virtual ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;
    static LayerPtr make() { return std::make_shared<Layer>(); }

    // Geometry (points, y up).
    QRectF bounds() const { return props_.bounds; }
    void setBounds(const QRectF& bounds);
    QPointF position() const { return props_.position; }
    void setPosition(const QPointF& position);
    QPointF anchorPoint() const { return props_.anchorPoint; }
    void setAnchorPoint(const QPointF& anchor);
    // The bounding box of the transformed bounds in the superlayer; setting it
    // (with an identity transform) sets position and bounds size.
    QRectF frame() const;
    void setFrame(const QRectF& frame);
    QTransform transform() const { return props_.transform; }
    void setTransform(const QTransform& transform);

    // Visibility.
    bool isHidden() const { return props_.hidden; }
    void setHidden(bool hidden);
    double opacity() const { return props_.opacity; }
    void setOpacity(double opacity);

    // Look of a plain layer. Contents are stretched over the bounds, upright;
    // contentsScale is the image's pixels per point.
    QImage contents() const { return props_.contents; }
    void setContents(const QImage& image);
    double contentsScale() const { return props_.contentsScale; }
    void setContentsScale(double scale);
    QColor backgroundColor() const { return props_.backgroundColor; }
    void setBackgroundColor(const QColor& color);
    QColor borderColor() const { return props_.borderColor; }
    void setBorderColor(const QColor& color);
    double borderWidth() const { return props_.borderWidth; }
    void setBorderWidth(double width);
    double cornerRadius() const { return props_.cornerRadius; }
    void setCornerRadius(double radius);
    bool masksToBounds() const { return props_.masksToBounds; }
    void setMasksToBounds(bool masks);

    // Shadow of the layer's own content (not its sublayers). shadowRadius is
    // the blur radius in points; shadowOffset is y up.
    QColor shadowColor() const { return props_.shadowColor; }
    void setShadowColor(const QColor& color);
    double shadowOpacity() const { return props_.shadowOpacity; }
    void setShadowOpacity(double opacity);
    double shadowRadius() const { return props_.shadowRadius; }
    void setShadowRadius(double radius);
    QPointF shadowOffset() const { return props_.shadowOffset; }
    void setShadowOffset(const QPointF& offset);

    // The tree. Adding a layer that has a superlayer moves it.
    Layer* superlayer() const { return superlayer_; }
    const std::vector<LayerPtr>& sublayers() const { return sublayers_; }
    void addSublayer(const LayerPtr& layer);
    // index is clamped to 0..count.
    void insertSublayer(const LayerPtr& layer, int index);
    void removeFromSuperlayer();
    Layer* rootLayer();

    // Action table: whether a change of `key` ("position", "bounds", "opacity",
    // "transform", "path", ...) may animate implicitly. Every animatable key
    // is allowed until disallowed here.
    void setImplicitAnimation(const QString& key, bool allowed);
    void disableImplicitAnimations(const QStringList& keys);
    bool allowsImplicitAnimation(const QString& key) const;

    // A small store of the caller's own values (for example a badge's number).
    void setValue(const QString& key, const QVariant& value);
    QVariant value(const QString& key) const { return values_.value(key); }

    // Explicit animations. Adding under a key that is in use replaces (and
    // stops) the older one. The animation is copied.
    void addAnimation(const Animation& animation, const QString& key);
    void removeAnimation(const QString& key);
    void removeAllAnimations();
    const Animation* animationForKey(const QString& key) const;
    QStringList animationKeys() const;

    // The value of a key path as drawn at the current animation frame.
    QVariant presentationValue(const QString& keyPath) const;

    // Mapping. Local coordinates are this layer's bounds space.
    QTransform toRootTransform() const;
    QPointF mapToRoot(const QPointF& local) const { return toRootTransform().map(local); }
    // The area this layer and its sublayers paint, in root coordinates (y up),
    // including stroke widths and shadows, as presented now.
    QRectF paintedRectInRoot() const;

    // Root only: the accumulated area to repaint, in Qt's y-down coordinates
    // of this root (device-independent pixels, origin at the top-left of the
    // root's bounds). clearDirtyRegion() after painting.
    QRegion dirtyRegion() const { return dirty_; }
    void clearDirtyRegion() { dirty_ = QRegion(); }
    // Marks an area (root coordinates, y up) for repainting.
    void markDirtyInRoot(const QRectF& rootRect);
    // Whether an animation in this tree is still moving, so frames are needed.
    bool needsAnimationFrames() const;

    // Converts between root coordinates (y up) and Qt's (y down) for this root.
    QRectF rootToQt(const QRectF& rect) const;
    QPointF rootToQt(const QPointF& point) const;

  protected:
    // Layer types add what they draw and how far it reaches.
    // Draws the layer's own content after the background and contents image
    // (bounds coordinates, y up, already transformed).
    virtual void drawContent(QPainter& painter) const;
    // The local rectangle the own content covers, with stroke widths.
    virtual QRectF contentRect() const;
    // Whether drawContent() paints anything.
    virtual bool hasContent() const { return false; }

    // Key-path values of the subclass's own properties (for animations).
    QVariant modelValue(const QString& keyPath) const override;
    QVariant presentedValue(const QString& keyPath) const override;
    void setPresentedValue(const QString& keyPath, const QVariant& value) override;
    virtual QVariant ownModelValue(const QString& keyPath) const;
    virtual QVariant ownPresentedValue(const QString& keyPath) const;
    virtual bool setOwnPresentedValue(const QString& keyPath, const QVariant& value);
    virtual void resetOwnPresentation() {}
    virtual bool isAnimatableKey(const QString& key) const;

    // Setter plumbing for subclasses: marks damage, runs implicit animations.
    // `geometry` says whether the change moves the sublayers too.
    void willChange(bool geometry);
    void didChange(bool geometry);
    // Whether a change of `key` now animates implicitly, and starting that
    // animation from the value shown before the change.
    bool wantsImplicitAnimation(const QString& key) const;
    void startImplicitAnimation(const QString& key, const QVariant& from);
    bool castsShadow() const;
    // For changes that mark their own (smaller) damage: marks a local area,
    // then drops the caches the change made stale.
    void markLocalArea(const QRectF& local);
    void didChangeQuietly();
    bool isAnimating() const { return !animations_.empty(); }
    // Whether an animation changes how the own content looks (not just where
    // it is or how opaque), so bitmaps of it must not be reused.
    bool contentAnimated() const;
    // Bumps the versions that caches of the own content (shadows) and of the
    // whole subtree key on.
    void contentChanged() {
        ++contentVersion_;
        ++treeVersion_;
    }

    // The props drawn now: the model, or the presentation while animating.
    const LayerProps& drawnProps() const { return animations_.empty() ? props_ : presentedProps(); }

  private:
    friend class LayerRenderer;
    friend class LayerRendererAccess;
    friend class LayerAnimator;
    friend class LayerBitmaps;

    template <typename T>
    void change(T LayerProps::*field, const T& value, const char* key, bool geometry, bool content);
    void ensurePresentation() const;
    const LayerProps& presentedProps() const;
    void invalidateGeometry();
    void invalidatePaintedRect();
    // The local area the own content paints (without shadow), and with it.
    QRectF ownBodyRect() const;
    QRectF ownFootprint() const;
    // Marks this layer's painted area (and its sublayers' when asked) in the root.
    void markPainted(bool withSublayers);
    void markOwn(Layer& root);
    void addDamage(const QRectF& localRect, const QTransform& toRoot);
    int countUpTo(int limit) const;
    void attachToRoot();
    // Tells every superlayer that something inside it changed.
    void touchAncestors();
    void registerAnimated(bool animated);

    LayerProps props_;
    mutable LayerProps presentation_;
    Layer* superlayer_ = nullptr;
    std::vector<LayerPtr> sublayers_;
    QHash<QString, bool> actions_;
    QHash<QString, QVariant> values_;

    struct RunningAnimation;
    std::vector<std::unique_ptr<RunningAnimation>> animations_;
    mutable double presentationTime_ = -1.0;

    // Caches, all in root coordinates (y up) and invalidated by changes.
    mutable bool rootTransformValid_ = false;
    mutable QTransform rootTransform_;
    mutable bool paintedRectValid_ = false;
    mutable QRectF paintedRect_;
    quint64 contentVersion_ = 0;
    // Changes of the own content and of anything inside the subtree (but not
    // of this layer's own place or opacity): what a bitmap of the subtree
    // keys on.
    quint64 treeVersion_ = 0;
    quint64 insertedInTransaction_ = 0;

    QRegion dirty_; // roots only

  public:
    // Renderer caches (shadow, body, and the whole subtree); opaque here.
    struct BitmapCache;
    mutable std::unique_ptr<BitmapCache> shadowCache_;
    mutable std::unique_ptr<BitmapCache> bodyCache_;
    mutable std::unique_ptr<BitmapCache> treeCache_;
};
