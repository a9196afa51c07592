target_sources(handwick_core PRIVATE
  overlay/KeyCommands.cpp
  overlay/PointerInk.cpp
  overlay/PointerKeys.cpp
  overlay/TapSounds.cpp
)
