# The rules: screens as control state, the game state and the saved game. QtCore only.
# The game and the fuzz targets both build it from here.
add_library(zentar_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/battle/battle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/battle_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/battle_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/battle_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/battle_opening.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/battle_outcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/battle_setup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/effects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/item_chooser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/item_effects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/battle/laughing_bag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/country/day_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/country/main_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/country/shop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/country/training.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/game.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ending/ending.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screens/screens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state/game_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state/goods.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state/ini_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state/numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state/saved_game.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state/text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title/title.cpp
)
target_include_directories(zentar_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zentar_core PUBLIC Qt6::Core)
