handwick_unit_test(test_handart handart/test_handart.cpp testkit/SyntheticHandPhoto.cpp
                   testkit/PhotoFiles.cpp)
target_include_directories(test_handart PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/testkit)
handwick_unit_test(test_commandline app/test_commandline.cpp testkit/SyntheticHandPhoto.cpp)
target_include_directories(test_commandline PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/testkit)
target_compile_definitions(test_commandline PRIVATE HANDWICK_BIN="$<TARGET_FILE:handwick>")
add_dependencies(test_commandline handwick)
