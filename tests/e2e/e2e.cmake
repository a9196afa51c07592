# End-to-end tests: each runs in a private X session (e2e/session.sh) with a
# window manager, compositor, tray and sound server. Included from
# tests/CMakeLists.txt. XProbe and HandwickProcess are shared with bench_overlay.
find_library(XCB_LIB xcb REQUIRED)
find_library(XCB_KEYSYMS_LIB xcb-keysyms REQUIRED)
set(e2e_dir ${CMAKE_CURRENT_LIST_DIR})
set(e2e_bin ${CMAKE_CURRENT_BINARY_DIR}/e2e)

add_executable(xtool ${e2e_dir}/xtool.cpp)
target_link_libraries(xtool PRIVATE ${XCB_LIB})
set_target_properties(xtool PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${e2e_bin})

add_library(e2e_support STATIC ${e2e_dir}/Drive.cpp ${e2e_dir}/XProbe.cpp
            ${e2e_dir}/HandwickProcess.cpp)
target_link_libraries(e2e_support PUBLIC handwick_core Qt6::Test ${XCB_KEYSYMS_LIB} ${XCB_LIB})

# Runs `command…` in a session started with `options`; 77 (Xvfb missing) skips.
function(handwick_e2e_test name options)
  add_test(NAME ${name} COMMAND bash ${e2e_dir}/session.sh ${options} -- ${ARGN})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "HANDWICK_E2E_TOOLS=${e2e_bin};HANDWICK_BIN=$<TARGET_FILE:handwick>"
    TIMEOUT 90 SKIP_RETURN_CODE 77 LABELS e2e)
endfunction()

foreach(program e2e_platform e2e_overlay e2e_drawing e2e_toolbar)
  add_executable(${program} ${e2e_dir}/${program}.cpp)
  target_link_libraries(${program} PRIVATE e2e_support)
  add_dependencies(${program} xtool handwick)
  set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${e2e_bin})
  handwick_e2e_test(${program} "" $<TARGET_FILE:${program}>)
endforeach()

# The sessions that lack a part: the program says so and stays usable.
foreach(missing tray compositor)
  handwick_e2e_test(e2e_overlay_no_${missing} "--no-${missing};--no-sound"
                    $<TARGET_FILE:e2e_overlay> whatIsMissingIsToldAndTheHotKeysWork)
endforeach()

add_test(NAME e2e_no_display COMMAND bash ${e2e_dir}/no_display.sh $<TARGET_FILE:handwick>)
set_tests_properties(e2e_no_display PROPERTIES TIMEOUT 60 LABELS e2e)
