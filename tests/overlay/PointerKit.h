#pragma once
// A pointer with everything it stands on, over private settings, for the
// tests of what sits above the overlay (the tray, the welcome window, the
// commands, the pictures).
#include "OverlayTestKit.h"
#include "handart/CustomHand.h"
#include "handart/HandSprites.h"
#include "overlay/InkBoard.h"
#include "overlay/Pointer.h"
#include "platform/ActiveWindow.h"

struct PointerKit {
    PrivatePrefs settings;
    CustomHand hand{settings.dir.filePath(QStringLiteral("hand.png"))};
    HandSprites sprites{hand};
    ActiveWindow activeWindow;
    InkBoard board{settings.prefs, nullptr};
    Pointer pointer{settings.prefs, board, sprites, activeWindow};
};
