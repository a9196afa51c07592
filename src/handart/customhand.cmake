target_sources(handwick_core PRIVATE
  handart/CustomHand.cpp
  handart/PhotoReader.cpp
  handart/CutOut.cpp
  handart/ForegroundMask.cpp
  handart/BackgroundModel.cpp
  handart/MaskCleanup.cpp
  handart/Landmarks.cpp
  handart/PhotoSprite.cpp)
target_link_libraries(handwick_core PUBLIC opencv_min)
