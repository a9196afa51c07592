handwick_unit_test(test_platform unit/test_platform.cpp)
