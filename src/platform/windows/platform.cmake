# Windows: the saved game in the registry, written in place, or in a file beside the game
# carried to another computer; the Windows API for hidden dialogs and for the lock.
target_sources(zentar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hidden_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/saved_game_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/../desktop/platform.cmake)
