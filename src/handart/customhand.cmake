target_sources(handwick_core PRIVATE handart/CustomHand.cpp handart/HandChoice.cpp
                                     handart/HandSprites.cpp)
