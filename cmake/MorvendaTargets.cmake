# Test targets shared by every subsystem folder.

# A GoogleTest executable over the core; each test case becomes one ctest test.
function(morvenda_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE morvenda_core GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# A Qt Test executable over the windows, run headless.
function(morvenda_qt_test name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE morvenda_ui Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-runtime;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data/${name}")
endfunction()

# Qt warns on every start when the runtime folder is missing or open to others.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/test-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
