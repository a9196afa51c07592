# Small general helpers.
target_sources(handwick_core PRIVATE common/Shadow.cpp)
# The blur's loops are plain float arithmetic: let -O2 builds vectorise them too,
# and let the clamping of the tint vectorise (no code here reads floating-point
# exception flags; the results are the same).
set_source_files_properties(common/Shadow.cpp PROPERTIES COMPILE_OPTIONS
                            "-ftree-vectorize;-fno-trapping-math")
