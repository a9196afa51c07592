target_sources(handwick_core PRIVATE
  overlay/FrameClock.cpp
  overlay/FramePlacement.cpp
  overlay/FrameStats.cpp
  overlay/Ink.cpp
  overlay/InkBoard.cpp
  overlay/KeyCommands.cpp
  overlay/Motion.cpp
  overlay/OverlayView.cpp
  overlay/OverlayWindow.cpp
  overlay/Pointer.cpp
  overlay/PointerInput.cpp
  overlay/PointerTick.cpp
  overlay/ScreenSpace.cpp
)
