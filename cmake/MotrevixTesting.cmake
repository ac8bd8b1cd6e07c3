include(GoogleTest)

# motrevix_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# Builds one GoogleTest executable and registers its cases with CTest. Every test
# runs with Qt's offscreen platform and knows where the built programs and the
# source tree are (MOTREVIX_BIN_DIR, MOTREVIX_SOURCE_DIR).
function(motrevix_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 30
    PROPERTIES
      TIMEOUT 300
      ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox --disable-gpu;MOTREVIX_BIN_DIR=${CMAKE_BINARY_DIR}/bin;MOTREVIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};MOTREVIX_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp")
endfunction()
