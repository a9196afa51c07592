#pragma once
// The settings window, built the first time it is asked for: a Handwick that
// never opens its settings never pays for them.

#include "ui/settings/SettingsWindowController.h"

#include <memory>
#include <optional>

class LazySettingsWindow {
  public:
    explicit LazySettingsWindow(SettingsWindowController::Services services)
        : m_services(std::move(services)) {}

    // On `tab` when given, else on the tab it showed last.
    void show(std::optional<SettingsTab> tab = std::nullopt) {
        if (!m_window) m_window = std::make_unique<SettingsWindowController>(m_services);
        if (tab) m_window->select(*tab);
        m_window->showAndRaise();
    }
    SettingsWindowController* window() const { return m_window.get(); }

  private:
    SettingsWindowController::Services m_services;
    std::unique_ptr<SettingsWindowController> m_window;
};
