target_sources(handwick_core PRIVATE
  overlay/FrameClock.cpp
  overlay/OverlayView.cpp
  overlay/OverlayWindow.cpp
  overlay/Pointer.cpp
  overlay/PointerTick.cpp
  overlay/PointerInput.cpp
  overlay/ScreenSpace.cpp
)
