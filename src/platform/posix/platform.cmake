# Linux: the saved game an INI file renamed into place, SIGTERM, flock(); the rest as on
# Windows.
include(${CMAKE_CURRENT_LIST_DIR}/../desktop/platform.cmake)
