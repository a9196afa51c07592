handwick_unit_test(test_prefs unit/test_prefs.cpp)
