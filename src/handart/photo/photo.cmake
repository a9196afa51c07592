# Cutting the user's hand out of a photo, and turning the cut-out into a sprite.
target_sources(handwick_core PRIVATE
  handart/photo/PhotoReader.cpp
  handart/photo/CutOut.cpp
  handart/photo/ForegroundMask.cpp
  handart/photo/BackgroundModel.cpp
  handart/photo/MaskCleanup.cpp
  handart/photo/Landmarks.cpp
  handart/photo/PhotoSprite.cpp)
target_link_libraries(handwick_core PUBLIC opencv_min)
