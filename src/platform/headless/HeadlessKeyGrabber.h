#pragma once
#include "platform/KeyGrabber.h"

// Where no keys can be grabbed: every key stays inactive and nothing fires.
class HeadlessKeyGrabber final : public KeyGrabber {
  public:
    void grab(quint32, char) override {}
    bool isActive(quint32) const override { return false; }
    void retryRefused() override {}
    bool canGrab() const override { return false; }
};
