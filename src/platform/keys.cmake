target_sources(handwick_core PRIVATE platform/KeyCharacters.cpp platform/x11/X11KeyCharacters.cpp)
