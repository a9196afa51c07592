#pragma once
// Global hot keys: Ctrl+Alt with a letter, wherever the keyboard focus is and
// whether or not the pointer is on.

#include <QtGlobal>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class KeyGrabber;

class HotKeys {
  public:
    HotKeys();
    ~HotKeys();
    HotKeys(const HotKeys&) = delete;
    HotKeys& operator=(const HotKeys&) = delete;

    // Runs `action` on the main thread whenever Ctrl+Alt+`letter` is pressed.
    // Ids are 1, 2, 3… in registration order, also for keys the desktop
    // refused (those simply never fire).
    quint32 registerKey(char letter, std::function<void()> action);

    // Whether the key with this id is really held by us now.
    bool isActive(quint32 id) const;
    // The letters of the keys another program holds, in registration order.
    std::vector<char> refused() const;
    // Tries to take the refused keys again.
    void retryRefused();

  private:
    void fire(quint32 id);

    std::map<quint32, std::function<void()>> m_actions;
    std::map<quint32, char> m_letters;
    std::unique_ptr<KeyGrabber> m_grabber;
};
