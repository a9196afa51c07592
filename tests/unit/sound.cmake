handwick_unit_test(test_sound sound/test_sound.cpp)
