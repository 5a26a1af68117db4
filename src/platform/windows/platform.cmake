# Windows: the saved game in the registry, written in place, or in a file beside the game
# carried to another computer; the Windows API for hidden dialogs and for the lock; the rest
# as on Linux.
include(${CMAKE_CURRENT_LIST_DIR}/../desktop/platform.cmake)
