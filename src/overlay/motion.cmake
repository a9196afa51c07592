target_sources(handwick_core PRIVATE overlay/Motion.cpp)
