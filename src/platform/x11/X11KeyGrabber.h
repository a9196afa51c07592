#pragma once
// Hot keys on X11: passive key grabs on every root window, reported through
// Qt's native event filter on the main thread.

#include "platform/KeyGrabber.h"
#include "platform/x11/GrabModifiers.h"

#include <QAbstractNativeEventFilter>
#include <QTimer>
#include <map>
#include <set>
#include <vector>
#include <xcb/xcb.h>

struct _XCBKeySymbols;

class X11KeyGrabber final : public KeyGrabber, private QAbstractNativeEventFilter {
  public:
    X11KeyGrabber(xcb_connection_t* connection, Fire fire);
    ~X11KeyGrabber() override;

    void grab(quint32 id, char letter) override;
    bool isActive(quint32 id) const override;
    void retryRefused() override;

  private:
    struct Grab {
        xcb_window_t root;
        xcb_keycode_t code;
        uint16_t modifiers;
    };
    struct Key {
        quint32 id;
        uint32_t keysym;
        std::vector<xcb_keycode_t> codes;
        std::vector<Grab> grabs; // what we hold for it now; empty when inactive
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool onKey(const xcb_key_press_event_t* event, bool pressed);

    void readLayout();
    std::vector<xcb_keycode_t> keycodesFor(uint32_t keysym) const;
    void grabKey(Key& key);
    void releaseKey(Key& key);
    void regrabAll();

    xcb_connection_t* m_connection;
    Fire m_fire;
    _XCBKeySymbols* m_symbols = nullptr;
    GrabModifiers::Masks m_masks;
    std::vector<xcb_window_t> m_roots;
    std::vector<Key> m_keys;
    std::set<xcb_keycode_t> m_held; // hot keys down now, so auto-repeat fires once
    std::map<xcb_keycode_t, xcb_timestamp_t> m_releasedAt;
    uint8_t m_xkbEvent = 0; // the XKB extension's event code; 0 without XKB
    QTimer m_regrab;        // coalesces the burst of events of one layout change
    QObject m_receiver;     // receives the queued firings; they die with it
};
