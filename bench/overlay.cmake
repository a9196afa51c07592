# The overlay of the real program in a private X session (tests/e2e/session.sh):
# start-up, per-frame cost while the mouse moves, and the idle cost.
find_library(XCB_LIB xcb REQUIRED)
set(overlay_e2e_dir ${CMAKE_SOURCE_DIR}/tests/e2e)
handwick_bench(bench_overlay overlay.cpp overlay_proc.cpp ${overlay_e2e_dir}/XProbe.cpp
               ${overlay_e2e_dir}/HandwickProcess.cpp)
target_include_directories(bench_overlay PRIVATE ${overlay_e2e_dir})
target_link_libraries(bench_overlay PRIVATE ${XCB_LIB})
target_compile_definitions(bench_overlay PRIVATE
  HANDWICK_SESSION_SCRIPT="${overlay_e2e_dir}/session.sh"
  HANDWICK_E2E_TOOLS_DIR="$<TARGET_FILE_DIR:xtool>"
  HANDWICK_PROGRAM="$<TARGET_FILE:handwick>")
add_dependencies(bench_overlay xtool handwick)
