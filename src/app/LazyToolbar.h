#pragma once
// The toolbar panel, built the first time it is shown: its pictures cost a
// good part of start-up, and a Handwick started at login may not be turned on
// for hours.

#include "overlay/Toolbar.h"
#include "ui/ToolbarPanel.h"

#include <functional>
#include <memory>

class LazyToolbar : public Toolbar {
  public:
    using Make = std::function<std::unique_ptr<ToolbarPanel>()>;
    explicit LazyToolbar(Make make) : m_make(std::move(make)) {}

    void showOn(QScreen* screen) override {
        if (!m_panel) m_panel = m_make();
        m_panel->showOn(screen);
    }
    void hide() override {
        if (m_panel) m_panel->hide();
    }
    QRect frame() const override { return m_panel ? m_panel->frame() : QRect(); }

  private:
    Make m_make;
    std::unique_ptr<ToolbarPanel> m_panel;
};
