foreach(test test_motion test_ink test_inkboard test_pointer)
  handwick_unit_test(${test} overlay/${test}.cpp)
endforeach()
handwick_unit_test(test_tray app/test_tray.cpp)
