#pragma once
// The drawing on the overlay: the stroke being drawn, finished ink kept in
// order for undo, numbered badges, tap rings and fading. It knows nothing of
// windows or screens: gestures arrive with the view they happen on.

#include "layers/Layer.h"
#include "layers/ShapeLayer.h"
#include "overlay/Ink.h"
#include "prefs/Tool.h"
#include "sound/TapSound.h"

#include <QObject>
#include <QPointF>
#include <functional>
#include <memory>
#include <vector>

class OverlayView;
class Prefs;

// One stroke of demonstration ink: a tool and its points (view points, y up).
struct DemoStroke {
    Tool tool;
    std::vector<QPointF> points;
};

class InkBoard : public QObject {
    Q_OBJECT
    Q_PROPERTY(int stepNumber READ stepNumber NOTIFY stepNumberChanged)
    Q_PROPERTY(bool inkEmpty READ inkEmpty NOTIFY inkEmptyChanged)

  public:
    using TapPlayer = std::function<void(TapSound, double volume)>;

    // `playTap` is called for every tap unless the sound is muted.
    InkBoard(const Prefs& prefs, TapPlayer playTap, QObject* parent = nullptr);

    int stepNumber() const { return m_stepNumber; }
    bool inkEmpty() const { return m_inkEmpty; }
    // A stroke is being drawn (not yet part of the ink).
    bool isDrawing() const { return bool(m_current); }
    const std::vector<LayerPtr>& items() const { return m_items; }

    // A gesture of the left button. Points are in the view's coordinates.
    void down(QPointF point, OverlayView& view);
    void dragged(QPointF point, bool straight, OverlayView& view);
    void up(OverlayView& view);

    // Finished ink: kept for undo, and faded after the chosen delay.
    void add(const LayerPtr& layer);
    void remove(const LayerPtr& layer);
    void undo();
    // Removes all ink, the stroke being drawn included, and restarts the badges at 1.
    void clear();
    // Removes the ink drawn on `view` (its screen went away); badge numbers stay used up.
    void clearOn(const OverlayView& view);

    // Paints a fixed scene on `view`; it is not undoable ink.
    void demoInk(const std::vector<DemoStroke>& strokes, const std::vector<QPointF>& steps,
                 OverlayView& view);

  signals:
    void stepNumberChanged();
    void inkEmptyChanged();
    // Something drawn changed or started moving: repaint and keep frames coming.
    void changed();

  private:
    void ripple(QPointF point, OverlayView& view);
    void scheduleFade(const LayerPtr& layer, double seconds);
    void setStepNumber(int value);
    void setInkEmpty(bool value);

    const Prefs& m_prefs;
    TapPlayer m_playTap;
    std::vector<LayerPtr> m_items;
    std::shared_ptr<ShapeLayer> m_current;
    std::vector<QPointF> m_points;
    Ink::StrokeBuilder m_stroke;
    QPointF m_downPoint;
    double m_strokeWidth = 0;
    bool m_dragging = false;
    int m_stepNumber = 1;
    bool m_inkEmpty = true;
};
