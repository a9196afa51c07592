handwick_unit_test(test_toolbar ui/test_toolbar.cpp)
