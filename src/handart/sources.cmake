target_sources(handwick_core PRIVATE handart/HandSkin.cpp handart/HandParts.cpp
                                     handart/HandPainter.cpp)
