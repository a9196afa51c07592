target_sources(handwick_core PRIVATE devtools/DevTools.cpp)
