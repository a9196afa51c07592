handwick_unit_test(test_ink unit/test_ink.cpp)
