# The generation run: random source, drawing steps, advanced search and the run itself.
target_sources(morvenda_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/random_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/family_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pool_draws.cpp
  ${CMAKE_CURRENT_LIST_DIR}/advanced_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generation.cpp
)
