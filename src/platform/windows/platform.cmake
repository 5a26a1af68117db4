# Windows: the saved game in the registry, written in place; the Windows API for hidden
# dialogs.
target_sources(zentar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hidden_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/saved_game_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp
  ${ZENTAR_SETTINGS_STORE} ${ZENTAR_IN_PLACE_STORE} ${ZENTAR_DESKTOP})
