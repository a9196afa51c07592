# Drawing with the real program: strokes on screen, the tap sound on the
# session's sound server, undo, clear, fade and the number keys.
add_executable(e2e_drawing ${e2e_dir}/e2e_drawing.cpp ${e2e_dir}/XProbe.cpp
               ${e2e_dir}/HandwickProcess.cpp ${e2e_dir}/ScreenCheck.cpp)
target_link_libraries(e2e_drawing PRIVATE handwick_core Qt6::Test ${XCB_LIB})
add_dependencies(e2e_drawing xtool handwick)
set_target_properties(e2e_drawing PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${e2e_bin})
handwick_e2e_test(e2e_drawing "" env HANDWICK_BIN=$<TARGET_FILE:handwick>
                  $<TARGET_FILE:e2e_drawing>)
