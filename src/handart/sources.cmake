target_sources(handwick_core PRIVATE handart/HandSkin.cpp handart/HandParts.cpp
                                     handart/Shadow.cpp handart/HandPainter.cpp
  handart/HandSprites.cpp)
# The blur's inner loops are plain float sums; let -O2 builds vectorise them too.
set_source_files_properties(handart/Shadow.cpp PROPERTIES COMPILE_OPTIONS "-ftree-vectorize")
