# End-to-end tests: each runs in a private X session (e2e/session.sh) with a
# window manager, compositor, tray and sound server. Included from
# tests/CMakeLists.txt.
find_library(XCB_LIB xcb REQUIRED)
find_library(XCB_KEYSYMS_LIB xcb-keysyms REQUIRED)
set(e2e_dir ${CMAKE_CURRENT_LIST_DIR})
set(e2e_bin ${CMAKE_CURRENT_BINARY_DIR}/e2e)

add_executable(xtool ${e2e_dir}/xtool.cpp)
target_link_libraries(xtool PRIVATE ${XCB_KEYSYMS_LIB} ${XCB_LIB})

add_executable(e2e_platform ${e2e_dir}/e2e_platform.cpp)
target_link_libraries(e2e_platform PRIVATE handwick_core Qt6::Test ${XCB_LIB})
add_dependencies(e2e_platform xtool)
set_target_properties(xtool e2e_platform PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${e2e_bin})

# Runs `command…` in a session started with `options`; 77 (Xvfb missing) skips.
function(handwick_e2e_test name options)
  add_test(NAME ${name} COMMAND bash ${e2e_dir}/session.sh ${options} -- ${ARGN})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "HANDWICK_E2E_TOOLS=${e2e_bin}"
                       TIMEOUT 90 SKIP_RETURN_CODE 77 LABELS e2e)
endfunction()

handwick_e2e_test(e2e_platform "" $<TARGET_FILE:e2e_platform>)
handwick_e2e_test(e2e_platform_no_compositor "--no-compositor;--no-tray;--no-sound"
                  env HANDWICK_E2E_COMPOSITOR=0 $<TARGET_FILE:e2e_platform>
                  desktopChecksSeeTheSession)

add_test(NAME e2e_no_display COMMAND bash ${e2e_dir}/no_display.sh $<TARGET_FILE:handwick>)
set_tests_properties(e2e_no_display PROPERTIES TIMEOUT 60 LABELS e2e)

# Other areas add their end-to-end tests in e2e/<area>.cmake, using
# handwick_e2e_test() and ${e2e_bin} for helper programs.
file(GLOB e2e_lists CONFIGURE_DEPENDS ${e2e_dir}/*.cmake)
list(REMOVE_ITEM e2e_lists ${e2e_dir}/e2e.cmake)
foreach(list_file IN LISTS e2e_lists)
  include(${list_file})
endforeach()
