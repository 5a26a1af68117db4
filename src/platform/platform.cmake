# What differs by platform: the headers here declare it once, and one folder a platform
# implements all of it. The target platform picks its folder; a platform without one
# stops here rather than borrowing another's, whose store could break its saved game.
if(EMSCRIPTEN)
  set(ZENTAR_PLATFORM web)
elseif(WIN32)
  set(ZENTAR_PLATFORM windows)
elseif(APPLE)
  message(FATAL_ERROR "ゼンタル is not built for macOS yet: its settings store is a property "
                      "list the system saves whole, so it needs a platform folder of its own "
                      "(src/platform/macos), not POSIX's INI file renamed into place.")
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(ZENTAR_PLATFORM posix)
else()
  message(FATAL_ERROR "ゼンタル has no platform folder for ${CMAKE_SYSTEM_NAME}; "
                      "add one under src/platform/.")
endif()

# Every platform's folder has a file of each of these names, which implements what the
# header of that name declares.
foreach(concern fonts hidden_dialogs run saved_game_store single_instance)
  target_sources(zentar_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/${ZENTAR_PLATFORM}/${concern}.cpp)
endforeach()
# The kinds of store a platform keeps its saved game in, every platform has both: a saved
# game is carried between platforms in a file.
target_sources(zentar_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/file_store.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/in_place_store.cpp)
# The platform's own files besides those.
include(${CMAKE_CURRENT_LIST_DIR}/${ZENTAR_PLATFORM}/platform.cmake)
