# The names from the classics (诗词起名). The data files name characters by glyph and places
# by character; the build looks every glyph up in the character table and checks every place,
# so the names and the table can never drift apart unnoticed.
set(POETRY_DATA ${CMAKE_CURRENT_LIST_DIR}/data/classics)
set(POETRY_TABLES ${CMAKE_BINARY_DIR}/generated/naming/poetry_tables.inc)
add_custom_command(
  OUTPUT ${POETRY_TABLES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/naming
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/poetry_compile.py
          --chars ${CMAKE_SOURCE_DIR}/dict/data/characters.tsv
          --poems ${POETRY_DATA}/poems.tsv
          --names ${POETRY_DATA}/names.tsv
          --out ${POETRY_TABLES}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/poetry_compile.py
          ${CMAKE_SOURCE_DIR}/tools/poetry_files.py
          ${CMAKE_SOURCE_DIR}/tools/pools_files.py
          ${CMAKE_SOURCE_DIR}/dict/data/characters.tsv
          ${POETRY_DATA}/poems.tsv
          ${POETRY_DATA}/names.tsv
  COMMENT "Compiling the names from the classics"
  VERBATIM)

add_custom_target(naming_poetry_tables DEPENDS ${POETRY_TABLES})
add_dependencies(morvenda_core naming_poetry_tables)
target_sources(morvenda_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/poetry_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/poetry_citation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/poetry_draws.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/poetry_names.cpp TARGET_DIRECTORY morvenda_core
  PROPERTIES INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated)

morvenda_core_test(naming_poetry_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/poetry_names_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/poetry_draws_test.cpp)

# The committed data files must be what the generator makes of the staged verse; machines
# without it skip the check.
add_test(NAME naming_poetry_data_matches_generator
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/poetry_generate.py --check
          --data ${CMAKE_SOURCE_DIR}/../shared/data --out ${POETRY_DATA})
set_tests_properties(naming_poetry_data_matches_generator PROPERTIES SKIP_RETURN_CODE 77)

# A damaged data file must stop the build with a message naming the fault.
set(POETRY_BROKEN ${CMAKE_CURRENT_LIST_DIR}/tests/broken_classics)
foreach(case
    "misplaced|'女' is not at 4"
    "unknown_glyph|is not in the character table"
    "repeated|appears twice"
    "unknown_sex|sexes '男孩'")
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 message)
  add_test(NAME naming_poetry_compile_rejects_${name}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/poetry_compile.py
            --chars ${CMAKE_SOURCE_DIR}/dict/data/characters.tsv
            --poems ${POETRY_BROKEN}/poems.tsv
            --names ${POETRY_BROKEN}/${name}_names.tsv
            --out ${CMAKE_CURRENT_BINARY_DIR}/rejected_${name}.inc)
  set_tests_properties(naming_poetry_compile_rejects_${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "${message}")
endforeach()
