#pragma once
// Tells when a compositor starts or stops while Handwick runs, so the overlay
// can switch between see-through and shaped windows at once.

#include <QObject>
#include <memory>

class CompositorWatch : public QObject {
    Q_OBJECT
  public:
    // The X11 watch on xcb; elsewhere one that never reports (the other
    // platforms compose by themselves).
    static std::unique_ptr<CompositorWatch> forThisDesktop();

  signals:
    void changed();
};
