# The pointer overlay of the real program, seen from outside: a test driver
# (e2e_overlay) that starts handwick, drives it with xdotool and reads the
# screen. XProbe and HandwickProcess are shared with bench_overlay.
add_executable(e2e_overlay ${e2e_dir}/e2e_overlay.cpp ${e2e_dir}/XProbe.cpp
               ${e2e_dir}/HandwickProcess.cpp ${e2e_dir}/ScreenCheck.cpp)
target_link_libraries(e2e_overlay PRIVATE Qt6::Widgets Qt6::Test ${XCB_LIB})
add_dependencies(e2e_overlay xtool handwick)
set_target_properties(e2e_overlay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${e2e_bin})

set(overlay_driver env HANDWICK_BIN=$<TARGET_FILE:handwick>)
handwick_e2e_test(e2e_overlay "" ${overlay_driver} $<TARGET_FILE:e2e_overlay>)
handwick_e2e_test(e2e_overlay_no_tray "--no-tray;--no-sound"
                  ${overlay_driver} HANDWICK_E2E_SESSION=no-tray $<TARGET_FILE:e2e_overlay>
                  withoutATrayTheHotKeysStillWork)
handwick_e2e_test(e2e_overlay_no_compositor "--no-compositor;--no-sound"
                  ${overlay_driver} HANDWICK_E2E_SESSION=no-compositor
                  $<TARGET_FILE:e2e_overlay> withoutACompositorItStartsAndSaysSo)
