# play_probe <sound> <volume> [count] [gap-ms]: plays a tap sound through the
# program's sound bank on the session's sound server and exits once it has
# sounded. A helper for recording checks, not a test of its own.
add_executable(play_probe ${e2e_dir}/play_probe.cpp)
target_link_libraries(play_probe PRIVATE handwick_core)
set_target_properties(play_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${e2e_bin})
