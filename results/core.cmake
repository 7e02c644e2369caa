# Result rows, their ordering, the listed rows, the listing texts and the printed lists, computed
# without the window.
target_sources(morvenda_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/banded_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/detailed_list_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/favorites_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listed_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listing_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_row.cpp
  ${CMAKE_CURRENT_LIST_DIR}/row_sorting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simple_list_report.cpp)

morvenda_core_test(results_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/favorites_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/listed_rows_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/result_row_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/row_sorting_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/listing_texts_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/printed_lists_test.cpp)
