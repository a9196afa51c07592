target_sources(handwick_core PRIVATE overlay/Ink.cpp)
