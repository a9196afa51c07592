#pragma once
#include "layers/Animation.h"
#include "layers/ClearMargins.h"
#include "layers/DirtyArea.h"
#include "layers/LayerProps.h"

#include <QHash>
#include <QRegion>
#include <QSet>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class Layer;
using LayerPtr = std::shared_ptr<Layer>;

class QPainter;
struct LayerBitmapCache;

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
    QRectF bounds() const { return m_props.bounds; }
    void setBounds(const QRectF& bounds);
    QPointF position() const { return m_props.position; }
    void setPosition(const QPointF& position);
    QPointF anchorPoint() const { return m_props.anchorPoint; }
    void setAnchorPoint(const QPointF& anchor);
    // The bounding box of the transformed bounds in the superlayer; setting it
    // (with an identity transform) sets position and bounds size.
    QRectF frame() const;
    void setFrame(const QRectF& frame);
    QTransform transform() const { return m_props.transform; }
    void setTransform(const QTransform& transform);
    // Both at once, without animation where neither key animates: the area
    // left and the area taken are marked for repainting, not also a place
    // in between.
    void place(const QPointF& position, const QTransform& transform);

    // Visibility.
    bool isHidden() const { return m_props.hidden; }
    void setHidden(bool hidden);
    double opacity() const { return m_props.opacity; }
    void setOpacity(double opacity);

    // Look of a plain layer. Contents are stretched over the bounds, upright;
    // contentsScale is the image's pixels per point.
    QImage contents() const { return m_props.contents; }
    void setContents(const QImage& image);
    double contentsScale() const { return m_props.contentsScale; }
    void setContentsScale(double scale);
    QColor backgroundColor() const { return m_props.backgroundColor; }
    void setBackgroundColor(const QColor& color);
    QColor borderColor() const { return m_props.borderColor; }
    void setBorderColor(const QColor& color);
    double borderWidth() const { return m_props.borderWidth; }
    void setBorderWidth(double width);
    double cornerRadius() const { return m_props.cornerRadius; }
    void setCornerRadius(double radius);
    bool masksToBounds() const { return m_props.masksToBounds; }
    void setMasksToBounds(bool masks);

    // Shadow of the layer's own content (not its sublayers). shadowRadius is
    // the blur radius in points; shadowOffset is y up.
    QColor shadowColor() const { return m_props.shadowColor; }
    void setShadowColor(const QColor& color);
    double shadowOpacity() const { return m_props.shadowOpacity; }
    void setShadowOpacity(double opacity);
    double shadowRadius() const { return m_props.shadowRadius; }
    void setShadowRadius(double radius);
    QPointF shadowOffset() const { return m_props.shadowOffset; }
    void setShadowOffset(const QPointF& offset);

    // The tree. Adding a layer that has a superlayer moves it to the top.
    Layer* superlayer() const { return m_superlayer; }
    const std::vector<LayerPtr>& sublayers() const { return m_sublayers; }
    void addSublayer(const LayerPtr& layer);
    void removeFromSuperlayer();

    // Action table: whether a change of `key` ("position", "bounds", "opacity",
    // "transform", "path", ...) may animate implicitly. Every animatable key
    // is allowed until disabled here.
    void disableImplicitAnimations(const QStringList& keys);
    bool allowsImplicitAnimation(const QString& key) const;

    // A small store of the caller's own values (for example a badge's number).
    void setValue(const QString& key, const QVariant& value);
    QVariant value(const QString& key) const { return m_values.value(key); }

    // Explicit animations. Adding under a key that is in use replaces the
    // older one. The animation is copied.
    void addAnimation(const Animation& animation, const QString& key);
    void removeAllAnimations();

    // Maps this layer's bounds coordinates to the root's (both y up).
    QPointF mapToRoot(const QPointF& local) const { return toRootTransform().map(local); }

    // Root only: the accumulated area to repaint, in Qt's y-down coordinates
    // of this root (device-independent pixels, origin at the top-left of the
    // root's bounds). clearDirtyRegion() after painting.
    QRegion dirtyRegion() const { return m_dirty.region(); }
    void clearDirtyRegion() { m_dirty.clear(); }

  protected:
    // Layer types add what they draw and how far it reaches.
    // Draws the layer's own content after the background and contents image
    // (bounds coordinates, y up, already transformed).
    virtual void drawContent(QPainter& painter) const;
    // The local rectangle the own content covers, with stroke widths.
    virtual QRectF contentRect() const;
    // Whether drawContent() paints anything.
    virtual bool hasContent() const { return false; }
    // Whether the content grows piece by piece (a path being drawn), kept in
    // bitmaps of its own.
    virtual bool isGrowing() const { return false; }
    // A layer without sublayers that paints faster than the generic way (from
    // bitmaps of its own, or straight into the pixels) does it here,
    // answering whether it could for the painter and its mapping.
    virtual bool drawDirectly(QPainter&, const QTransform& /*toDevice*/) const { return false; }

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
    // Whether all the layer paints is its picture (if it has one): no
    // shadow, content, background or border.
    bool paintsOnlyContents() const;
    // For changes that mark their own (smaller) damage: marks a local area,
    // then drops the caches the change made stale.
    void markLocalArea(const QRectF& local);
    QTransform toRootTransform() const;
    void didChangeQuietly();
    bool isAnimating() const { return !m_animations.empty(); }
    // Whether an animation changes how the own content looks (not just where
    // it is or how opaque), so bitmaps of it must not be reused.
    bool contentAnimated() const;
    // Bumps the versions that caches of the own content (shadows) and of the
    // whole subtree key on.
    void contentChanged() {
        ++m_contentVersion;
        ++m_treeVersion;
    }

    // The props drawn now: the model, or the presentation while animating.
    const LayerProps& drawnProps() const {
        return m_animations.empty() ? m_props : presentedProps();
    }

  private:
    friend class LayerRenderer;
    friend class LayerRendererAccess;
    friend class LayerAnimator;
    friend class LayerBitmaps;

    template <typename T>
    void change(T LayerProps::*field, const T& value, const char* key, bool geometry, bool content);
    void ensurePresentation() const;
    const LayerProps& presentedProps() const;
    Layer* rootLayer();
    // The area this layer and its sublayers paint, in root coordinates (y up),
    // including stroke widths and shadows, as presented now.
    QRectF paintedRectInRoot() const;
    void invalidateGeometry();
    void invalidatePaintedRect();
    // The local area the own content paints (without shadow), and with it.
    QRectF ownBodyRect() const;
    QRectF ownFootprint() const;
    // Marks this layer's painted area (and its sublayers' when asked) in the root.
    void markPainted(bool withSublayers);
    void markOwn(Layer& root);
    // The parts of the own area a picture alone paints, when that is all
    // the layer paints; empty otherwise.
    std::vector<QRectF> paintedParts() const;
    void addDamage(const QRectF& localRect, const QTransform& toRoot);
    // Root only: marks an area (root coordinates, y up) for repainting.
    void markDirtyInRoot(const QRectF& rootRect);
    // Root only: root coordinates (y up) to Qt's (y down).
    QRectF rootToQt(const QRectF& rect) const;
    int countUpTo(int limit) const;
    void attachToRoot();
    // Tells every superlayer that something inside it changed.
    void touchAncestors();
    void registerAnimated(bool animated);

    LayerProps m_props;
    mutable LayerProps m_presentation;
    Layer* m_superlayer = nullptr;
    std::vector<LayerPtr> m_sublayers;
    QSet<QString> m_disabledActions;
    QHash<QString, QVariant> m_values;

    struct RunningAnimation;
    std::vector<std::unique_ptr<RunningAnimation>> m_animations;
    mutable double m_presentationTime = -1.0;

    // Caches, all in root coordinates (y up) and invalidated by changes.
    mutable bool m_rootTransformValid = false;
    mutable QTransform m_rootTransform;
    mutable bool m_paintedRectValid = false;
    mutable QRectF m_paintedRect;
    quint64 m_contentVersion = 0;
    // Changes of the own content and of anything inside the subtree (but not
    // of this layer's own place or opacity): what a bitmap of the subtree
    // keys on.
    quint64 m_treeVersion = 0;
    quint64 m_insertedInTransaction = 0;

    DirtyArea m_dirty; // roots only

    // The renderer's bitmaps of the shadow, of the body, and of the whole subtree.
    mutable std::unique_ptr<LayerBitmapCache> m_shadowCache;
    mutable std::unique_ptr<LayerBitmapCache> m_bodyCache;
    mutable std::unique_ptr<LayerBitmapCache> m_treeCache;
    ClearMargins m_clearMargins;
};
