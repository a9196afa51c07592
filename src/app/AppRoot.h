#pragma once
// The composition root: every long-lived object of the running program,
// built once, in dependency order, each handed the references it needs.
// Members are destroyed in reverse order, so nothing outlives what it uses.

#include "app/App.h"
#include "app/InstanceChannel.h"
#include "app/LazySettingsWindow.h"
#include "app/LazyToolbar.h"
#include "app/RemoteControl.h"
#include "app/WelcomeController.h"
#include "handart/CustomHand.h"
#include "handart/HandSprites.h"
#include "overlay/FrameStats.h"
#include "overlay/InkBoard.h"
#include "overlay/Pointer.h"
#include "platform/ActiveWindow.h"
#include "platform/CompositorWatch.h"
#include "platform/DesktopWatch.h"
#include "platform/HotKeys.h"
#include "platform/LoginItem.h"
#include "prefs/Prefs.h"
#include "sound/SoundBank.h"
#include "updates/SoftwareUpdates.h"

#include <memory>

class InstanceLock;

class AppRoot {
  public:
    // Needs the application object.
    AppRoot();
    ~AppRoot();
    AppRoot(const AppRoot&) = delete;
    AppRoot& operator=(const AppRoot&) = delete;

    // The tray icon, the hot keys, the channel (when `lock` is held) and the notices.
    void launch(const InstanceLock& lock);

    // The documentation's pictures of every window, into `dir`; the program
    // ends once they are written.
    void snapshot(const QString& dir);
    // The pointer with the demonstration drawing, a moment after start.
    void demo();

  private:
    static CustomHand& followedByTheChoice(CustomHand& custom, Prefs& prefs);

    Prefs m_prefs;
    std::unique_ptr<FrameStats::Log> m_frameStats;
    SoundBank m_sounds;
    CustomHand m_customHand;
    HandSprites m_sprites;
    ActiveWindow m_activeWindow;
    HotKeys m_hotKeys;
    std::unique_ptr<CompositorWatch> m_compositor;
    std::unique_ptr<DesktopWatch> m_desktop = DesktopWatch::forThisDesktop();
    InkBoard m_ink;
    Pointer m_pointer;
    LazyToolbar m_toolbar;
    // Null in a build without an update feed.
    std::unique_ptr<SoftwareUpdates> m_updates;
    LoginItem m_loginItem = LoginItem::forThisUser();
    LazySettingsWindow m_settings;
    WelcomeController m_welcome;
    App m_app;
    RemoteControl m_remote;
    InstanceChannel m_channel;
};
