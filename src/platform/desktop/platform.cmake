# What Linux and Windows do alike: the window system routes the keyboard, one game at a time
# answers on a local socket, waits run a nested event loop, the save is carried on the
# command line, the windows keep their own size, and the beep plays through Qt Multimedia.
find_package(Qt6 REQUIRED COMPONENTS Network Multimedia)
target_sources(zentar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/strike_sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/waiting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_in_use.cpp)
target_link_libraries(zentar_ui PUBLIC Qt6::Network Qt6::Multimedia)
