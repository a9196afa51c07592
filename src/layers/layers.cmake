target_sources(handwick_core PRIVATE
  layers/Animation.cpp
  layers/Interpolate.cpp
  layers/Layer.cpp
  layers/LayerAnimations.cpp
  layers/LayerDamage.cpp
  layers/LayerProps.cpp
  layers/LayerRenderer.cpp
  layers/MediaClock.cpp
  layers/LayerBitmaps.cpp
  layers/ShapeLayer.cpp
  layers/TextLayer.cpp
  layers/Transaction.cpp
  layers/VisiblePart.cpp
)
