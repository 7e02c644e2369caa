# The generation run: random source, drawing steps, advanced search and the run itself.
target_sources(morvenda_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/random_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/family_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pool_draws.cpp
  ${CMAKE_CURRENT_LIST_DIR}/advanced_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generation.cpp
)

morvenda_core_test(naming_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/random_source_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/code_lists_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/family_name_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/test_condition_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/pool_draws_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/filtered_draws_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/advanced_search_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/generation_test.cpp
)
