target_sources(handwick_core PRIVATE overlay/FrameStats.cpp)
