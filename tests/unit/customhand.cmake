handwick_unit_test(test_customhand handart/test_customhand.cpp testkit/SyntheticHandPhoto.cpp
                   testkit/PhotoFiles.cpp)
target_include_directories(test_customhand PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/testkit)
