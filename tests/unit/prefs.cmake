handwick_unit_test(test_prefs prefs/test_prefs.cpp)
