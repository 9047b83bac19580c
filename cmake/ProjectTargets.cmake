# Helpers that keep every folder's CMakeLists short and alike.

# A unit test program: GoogleTest cases, discovered by ctest when the tests
# run (under Wine in the Win32 tree). LABELS threaded marks tests that the
# ThreadSanitizer tree runs; that tree builds nothing else. PROPERTIES are
# further ctest properties of every case (for example RESOURCE_LOCK for tests
# that must not run at the same time as others holding the same lock).
function(add_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;PROPERTIES" ${ARGN})
  if(SANITIZE STREQUAL "thread" AND NOT "threaded" IN_LIST ARG_LABELS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(properties ${ARG_PROPERTIES})
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ${properties})
endfunction()

# A helper program for tests, benchmarks or the demo; never shipped.
function(add_tool_program name)
  cmake_parse_arguments(ARG "WIN32_GUI" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_WIN32_GUI)
    add_executable(${name} WIN32 ${ARG_SOURCES})
  else()
    add_executable(${name} ${ARG_SOURCES})
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endfunction()

# A libFuzzer target (fuzz tree only).
function(add_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
endfunction()
