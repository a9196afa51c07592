#pragma once
// One frame's placement of the hand, the laser and the spotlight on one
// screen's view, from the motion model and the settings read for the frame.

#include "overlay/Motion.h"

#include <QPointF>
#include <QRectF>
#include <QString>

class HandSprites;
class OverlayView;
class Prefs;

struct FrameSettings {
    bool laser = false;
    bool spotlight = false;
    double spotlightRadius = 150;
    QString handID;
    double handHeight = 116;
    // The mouse is over the toolbar: the hand and the laser give way to the arrow.
    bool overToolbar = false;
    // Without a compositor there is no translucent dimming.
    bool shaped = false;

    static FrameSettings read(const Prefs& prefs);
};

// `frame` is the view's window in global model coordinates; `mouse` is global.
// The hand (or laser) shows only on the screen holding the mouse, unless the
// mouse is over the toolbar, and the
// spotlight's hole only on the screen holding the spot.
void placeOnView(OverlayView& view, const QRectF& frame, const Motion& motion, QPointF mouse,
                 const FrameSettings& settings, HandSprites& sprites);
