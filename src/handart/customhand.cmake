target_sources(handwick_core PRIVATE handart/CustomHand.cpp)
