# The browser: the saved game in the page's storage, written in place; a tab lock; and its
# own waits that sleep, keyboard routed by the page, buttons that carry the save, the page
# fitted to the screen with on-screen keys, the font fetched beside the program, the beep
# through the browser's own audio.
target_sources(zentar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/waiting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_in_use.cpp)
