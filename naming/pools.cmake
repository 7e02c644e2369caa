# The compiled-in name pools. Their data files name characters by glyph; the build looks each
# one up in the character table, so a pool and the table can never drift apart unnoticed.
set(POOLS_DATA_FILES)
foreach(sex male female)
  foreach(table pairs position1 position2)
    list(APPEND POOLS_DATA_FILES ${CMAKE_CURRENT_LIST_DIR}/data/${sex}_${table}.tsv)
  endforeach()
endforeach()

set(POOLS_TABLES ${CMAKE_BINARY_DIR}/generated/naming/name_pools_tables.inc)
add_custom_command(
  OUTPUT ${POOLS_TABLES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/naming
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/pools_compile.py
          --chars ${CMAKE_SOURCE_DIR}/dict/data/characters.tsv
          --pools ${CMAKE_CURRENT_LIST_DIR}/data
          --out ${POOLS_TABLES}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/pools_compile.py
          ${CMAKE_SOURCE_DIR}/tools/pools_files.py
          ${CMAKE_SOURCE_DIR}/tools/pools_pinned.py
          ${CMAKE_SOURCE_DIR}/dict/data/characters.tsv
          ${POOLS_DATA_FILES}
  COMMENT "Compiling the name pools"
  VERBATIM)

add_custom_target(naming_pool_tables DEPENDS ${POOLS_TABLES})
add_dependencies(morvenda_core naming_pool_tables)
target_sources(morvenda_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/name_pools.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/name_pools.cpp TARGET_DIRECTORY morvenda_core
  PROPERTIES INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated)

morvenda_core_test(naming_pools_tests ${CMAKE_CURRENT_LIST_DIR}/tests/name_pools_test.cpp)
target_compile_definitions(naming_pools_tests PRIVATE
  MORVENDA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  MORVENDA_SHARED_DATA_DIR="${CMAKE_SOURCE_DIR}/../shared/data"
  MORVENDA_PYTHON="${Python3_EXECUTABLE}")
