handwick_unit_test(test_overlay unit/test_overlay.cpp)
