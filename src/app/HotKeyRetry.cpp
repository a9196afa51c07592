#include "app/HotKeyRetry.h"
#include "platform/HotKeys.h"

HotKeyRetry::HotKeyRetry(HotKeys& hotKeys, QObject* parent) : QObject(parent), m_hotKeys(hotKeys) {
    m_timer.setInterval(30'000);
    connect(&m_timer, &QTimer::timeout, this, &HotKeyRetry::retry);
}

QStringList HotKeyRetry::refused() const {
    QStringList keys;
    for (const char letter : m_hotKeys.refused())
        keys << QStringLiteral("Ctrl+Alt+%1").arg(QChar(letter).toUpper());
    return keys;
}

void HotKeyRetry::start() {
    if (!m_hotKeys.refused().empty()) m_timer.start();
}

void HotKeyRetry::retry() {
    m_hotKeys.retryRefused();
    // A key lost later (a new keyboard layout it no longer fits) is watched again too.
    if (m_hotKeys.refused().empty())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}
