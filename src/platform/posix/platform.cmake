# Linux: the saved game an INI file renamed into place, SIGTERM, flock().
target_sources(zentar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hidden_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/saved_game_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/../desktop/platform.cmake)
