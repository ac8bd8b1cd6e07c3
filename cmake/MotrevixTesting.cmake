include(GoogleTest)

# motrevix_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# Builds one GoogleTest executable and registers its cases with CTest. Every test
# program runs with Qt's offscreen platform and knows where the built programs and
# the source tree are (MOTREVIX_BIN_DIR, MOTREVIX_SOURCE_DIR, MOTREVIX_TEST_TMP):
# tests/support/test_environment.cpp sets them before main. A test program may
# define its own main (e.g. to create a QApplication); gtest_main is used otherwise.
# FIXTURES names CTest fixtures its cases need (playback_recordings: the playback
# tests' recordings, made once per run).
# LABELS gives its cases CTest labels (long: runs of tens of seconds).
function(motrevix_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;FIXTURES;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/test_environment.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
    MOTREVIX_TEST_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
    MOTREVIX_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    MOTREVIX_TEST_TMP_DIR="${CMAKE_BINARY_DIR}/test-tmp"
    MOTREVIX_TEST_RECORDINGS_DIR="${CMAKE_BINARY_DIR}/test-recordings")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(properties TIMEOUT 300)
  if(ARG_FIXTURES)
    list(APPEND properties FIXTURES_REQUIRED "${ARG_FIXTURES}")
  endif()
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 30
    PROPERTIES ${properties})
endfunction()
