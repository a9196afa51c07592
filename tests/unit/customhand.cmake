handwick_unit_test(test_cutout unit/test_cutout.cpp unit/SyntheticHandPhoto.cpp)
handwick_unit_test(test_customhand unit/test_customhand.cpp unit/SyntheticHandPhoto.cpp)
handwick_unit_test(test_photofiles unit/test_photofiles.cpp unit/SyntheticHandPhoto.cpp
                   unit/PhotoFiles.cpp)

# A CMYK JPEG can only be written with libjpeg itself; without it that case is skipped.
find_path(HANDWICK_JPEG_INCLUDE_DIR jpeglib.h)
find_library(HANDWICK_JPEG_LIBRARY jpeg)
if(HANDWICK_JPEG_INCLUDE_DIR AND HANDWICK_JPEG_LIBRARY)
  target_include_directories(test_photofiles SYSTEM PRIVATE ${HANDWICK_JPEG_INCLUDE_DIR})
  target_link_libraries(test_photofiles PRIVATE ${HANDWICK_JPEG_LIBRARY})
  target_compile_definitions(test_photofiles PRIVATE HANDWICK_TEST_CMYK_JPEG)
endif()
