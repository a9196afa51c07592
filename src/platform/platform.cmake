find_library(XCB_LIB xcb REQUIRED)
find_library(XCB_KEYSYMS_LIB xcb-keysyms REQUIRED)
target_link_libraries(handwick_core PRIVATE ${XCB_KEYSYMS_LIB} ${XCB_LIB})
target_sources(
  handwick_core
  PRIVATE platform/HotKeys.cpp
          platform/KeyGrabber.cpp
          platform/ActiveWindow.cpp
          platform/WindowActivation.cpp
          platform/DesktopChecks.cpp
          platform/x11/X11Connection.cpp
          platform/x11/GrabModifiers.cpp
          platform/x11/X11KeyGrabber.cpp
          platform/x11/ServerClock.cpp
          platform/x11/X11WindowActivation.cpp)
