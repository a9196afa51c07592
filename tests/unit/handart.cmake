handwick_unit_test(test_handart unit/test_handart.cpp)
handwick_unit_test(test_commandline app/test_commandline.cpp unit/SyntheticHandPhoto.cpp)
target_compile_definitions(test_commandline PRIVATE HANDWICK_BIN="$<TARGET_FILE:handwick>")
add_dependencies(test_commandline handwick)
