#pragma once
#include "platform/DesktopWatch.h"

// Where there is no desktop to watch: nothing is ever reported.
class HeadlessDesktopWatch final : public DesktopWatch {
  public:
    void start() override {}
    void stop() override {}
};
