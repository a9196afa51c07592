#include "platform/HotKeys.h"
#include "platform/KeyGrabber.h"

HotKeys::HotKeys() = default;
HotKeys::~HotKeys() = default;

quint32 HotKeys::registerKey(char letter, std::function<void()> action) {
    // The grabber is chosen at the first registration, not at construction,
    // so that it sees the application's platform.
    if (!m_grabber) m_grabber = KeyGrabber::forThisDesktop([this](quint32 id) { fire(id); });
    const quint32 id = quint32(m_actions.size()) + 1;
    m_actions[id] = std::move(action);
    m_letters[id] = letter;
    m_grabber->grab(id, letter);
    return id;
}

bool HotKeys::isActive(quint32 id) const {
    return m_grabber && m_grabber->isActive(id);
}

std::vector<char> HotKeys::refused() const {
    std::vector<char> letters;
    if (!m_grabber || !m_grabber->canGrab()) return letters;
    for (const auto& [id, letter] : m_letters)
        if (!isActive(id)) letters.push_back(letter);
    return letters;
}

void HotKeys::retryRefused() {
    if (m_grabber && !refused().empty()) m_grabber->retryRefused();
}

void HotKeys::fire(quint32 id) {
    const auto found = m_actions.find(id);
    if (found != m_actions.end() && found->second) found->second();
}
