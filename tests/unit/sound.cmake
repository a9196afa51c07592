handwick_unit_test(test_sound unit/test_sound.cpp)
