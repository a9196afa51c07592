#pragma once
#include "platform/WindowSurface.h"

#include <QBackingStore>

// A picture shown through Qt's backing store: any platform, offscreen too.
class BackingStoreSurface final : public WindowSurface {
  public:
    explicit BackingStoreSurface(QWindow& window);

    QImage& picture() override { return m_picture; }
    void prepare(const QRegion&) override {}
    void show(const QRegion& region) override;

  private:
    QWindow& m_window;
    QBackingStore m_store;
    QImage m_picture;
};
