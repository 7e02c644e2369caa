# How the subsystem folders declare their libraries, generated sources and tests.

# Every subsystem folder is reached as "<folder>/…" through a folder of its own under
# include/ in the build tree, and only a target that links the subsystem's library is given
# that folder: an include of a subsystem the target does not depend on fails to build.
set(MORVENDA_INCLUDE_ROOT ${CMAKE_BINARY_DIR}/include)
# Generated sources of a folder go to generated/<folder>/ and are included as "<folder>/…".
set(MORVENDA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

# morvenda_library(<target> [DEPENDS <targets>…] [SOURCES <files>…])
# The library of the subsystem in the calling folder; without sources an interface library.
function(morvenda_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "DEPENDS;SOURCES")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${MORVENDA_INCLUDE_ROOT}/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  if(arg_SOURCES)
    add_library(${target} STATIC ${arg_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${arg_DEPENDS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${root})
    target_link_libraries(${target} INTERFACE ${arg_DEPENDS})
  endif()
endfunction()

# morvenda_generate(<target> SCRIPT <script> OUTPUT <name> INPUTS <paths>… [DEPENDS <files>…]
#                   [COMMENT <text>])
# Every generator is a Python script called as `script <inputs>… <output>`. It runs at build
# time whenever the script, an input file or a further dependency changes (an input folder is
# watched through the files of it listed in DEPENDS), and its output joins the target's
# sources as generated/<folder>/<name>.
function(morvenda_generate target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SCRIPT;OUTPUT;COMMENT" "INPUTS;DEPENDS")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(output ${MORVENDA_GENERATED_DIR}/${folder}/${arg_OUTPUT})
  set(input_files)
  foreach(input ${arg_INPUTS})
    if(NOT IS_DIRECTORY ${input})
      list(APPEND input_files ${input})
    endif()
  endforeach()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVENDA_GENERATED_DIR}/${folder}
    COMMAND Python3::Interpreter ${arg_SCRIPT} ${arg_INPUTS} ${output}
    DEPENDS ${arg_SCRIPT} ${input_files} ${arg_DEPENDS}
    COMMENT "${arg_COMMENT}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PRIVATE ${MORVENDA_GENERATED_DIR})
endfunction()

if(NOT BUILD_TESTING)
  return()
endif()

# morvenda_core_test(<name> <library> <sources>…)
# A GoogleTest executable over one subsystem's library; each test case becomes one ctest test.
function(morvenda_core_test name library)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE ${library} GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# morvenda_data_check(<name> <script> <data folder>)
# The committed data files must be what the data generator makes of the staged public sources
# (`script --check --data <staged> --out <folder>`); machines without those sources skip it.
function(morvenda_data_check name script folder)
  add_test(NAME ${name}
    COMMAND ${Python3_EXECUTABLE} ${script} --check --data ${MORVENDA_STAGED_DATA_DIR} --out ${folder})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()

# morvenda_qt_test(<name> <sources>…)
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
