handwick_unit_test(test_motion unit/test_motion.cpp)
