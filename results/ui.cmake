# The detailed result list's Qt side: items that keep their whole row, and its sorting.
target_sources(morvenda_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/name_tooltip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_tooltip.h
  ${CMAKE_CURRENT_LIST_DIR}/result_list_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_list_view.h)
