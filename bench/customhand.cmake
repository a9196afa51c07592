handwick_bench(bench_customhand customhand.cpp ${CMAKE_SOURCE_DIR}/tests/testkit/SyntheticHandPhoto.cpp
               ${CMAKE_SOURCE_DIR}/tests/testkit/PhotoFiles.cpp)
target_include_directories(bench_customhand PRIVATE ${CMAKE_SOURCE_DIR}/tests/testkit)
