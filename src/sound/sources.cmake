target_sources(handwick_core PRIVATE sound/TapSound.cpp)
# The tap sounds are specified bit for bit: no fused multiply-adds.
set_source_files_properties(sound/TapSound.cpp PROPERTIES COMPILE_OPTIONS "-ffp-contract=off")
