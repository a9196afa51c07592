#include "platform/ActiveWindow.h"

#include <QGuiApplication>
#include <QWindow>

namespace {
bool isOurs(ActiveWindow::WindowId window) {
    // handle() first: winId() would create a native window for one that has none.
    for (QWindow* own : QGuiApplication::allWindows())
        if (own->handle() && ActiveWindow::WindowId(own->winId()) == window) return true;
    return false;
}
} // namespace

ActiveWindow::ActiveWindow(std::unique_ptr<WindowActivation> desktop)
    : m_desktop(std::move(desktop)) {}

ActiveWindow::~ActiveWindow() = default;

WindowActivation& ActiveWindow::desktop() {
    if (!m_desktop) m_desktop = WindowActivation::forThisDesktop();
    return *m_desktop;
}

void ActiveWindow::remember() {
    const WindowId active = desktop().activeWindow();
    if (active != 0 && !isOurs(active)) m_remembered = active;
}

void ActiveWindow::reactivate() {
    const WindowId window = m_remembered;
    m_remembered = 0;
    if (window != 0 && desktop().exists(window)) desktop().activate(window);
}
