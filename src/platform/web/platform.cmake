# The browser: the saved game in the page's storage, written in place; a tab lock; waits
# that sleep; the keyboard routed by the page; the page's buttons that carry the save; the
# font fetched beside the program; the beep through the browser's own audio.
target_sources(zentar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hidden_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/saved_game_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/waiting.cpp)
