# Installing and the Debian package. Included from the top CMakeLists.txt once the
# targets exist. The version is project(VERSION); the date of that release is below.
# Everything here follows the conventions of a Linux desktop and Debian, so other
# platforms package the game their own way. The desktop entry and the AppStream
# metadata are named by the game's id.
set(ZENTAR_ID io.github.zentar.Zentar)
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

set(ZENTAR_RELEASE_DATE 2026-12-08)
# The package's maintainer is whoever makes it, named with -DZENTAR_MAINTAINER. The
# default is a placeholder in the reserved domain .invalid, which no mail can reach, so
# that a package nobody named sends no bug report to a stranger.
set(ZENTAR_MAINTAINER "Zentar packager <packager@zentar.invalid>"
    CACHE STRING "The Debian package's maintainer: Name <address>")
# The project's own contact is its repository on a code forge (https://host/owner/name),
# named with -DZENTAR_HOMEPAGE: the package then names it as the homepage, its issues as
# the bug tracker, and the metadata's screenshot as kept there. Without it, the package
# names no address at all.
set(ZENTAR_HOMEPAGE "" CACHE STRING "The project's repository: https://host/owner/name")
set(ZENTAR_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
set(ZENTAR_GENERATED ${PROJECT_BINARY_DIR}/packaging)

# Configures a file of the package. Without a homepage, what would name one is left out:
# each line that names it, and the block of metadata marked as kept there.
function(zentar_configure_package_file template output)
  file(READ ${template} text)
  if(NOT ZENTAR_HOMEPAGE)
    string(REGEX REPLACE "[^\n]*<!-- at the homepage -->.*<!-- /at the homepage -->\n" ""
           text "${text}")
    string(REGEX REPLACE "[^\n]*@ZENTAR_HOMEPAGE@[^\n]*\n" "" text "${text}")
  endif()
  file(CONFIGURE OUTPUT ${output} CONTENT "${text}" @ONLY)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template})
endfunction()

# The desktop's conventions: the program, its desktop entry, icons, AppStream
# metadata, manual page, changelog and copyright.
# Debian keeps games in /usr/games; a plain install keeps the program in bin, where
# a prefix's PATH finds it. Only the package installs the component debian_program,
# and it leaves out the component program.
include(GNUInstallDirs)
install(TARGETS zentar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS zentar RUNTIME DESTINATION games COMPONENT debian_program EXCLUDE_FROM_ALL)

zentar_configure_package_file(${PROJECT_SOURCE_DIR}/assets/${ZENTAR_ID}.metainfo.xml.in
                              ${ZENTAR_GENERATED}/${ZENTAR_ID}.metainfo.xml)
install(FILES assets/${ZENTAR_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZENTAR_GENERATED}/${ZENTAR_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES assets/icons/zentar-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME zentar.png)
endforeach()

# The changelog's entry and the manual page carry the version and the release date.
execute_process(COMMAND date -R -u -d ${ZENTAR_RELEASE_DATE}
                OUTPUT_VARIABLE ZENTAR_RELEASE_DATE_RFC OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
foreach(file changelog zentar.6)
  configure_file(${ZENTAR_PACKAGING}/${file}.in ${ZENTAR_GENERATED}/${file} @ONLY)
endforeach()

# The copyright file quotes the MIT text of LICENSE, less its heading and copyright
# line, in the indented form of Debian's machine-readable format.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^[^\n]*\n\n[^\n]*\n\n" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " ZENTAR_MIT_TEXT "${licence}")
zentar_configure_package_file(${ZENTAR_PACKAGING}/copyright.in ${ZENTAR_GENERATED}/copyright)
install(FILES ${ZENTAR_GENERATED}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian wants the manual page and the changelog compressed, without a time stamp.
foreach(file zentar.6 changelog)
  add_custom_command(OUTPUT ${ZENTAR_GENERATED}/${file}.gz
                     COMMAND gzip -9nc ${ZENTAR_GENERATED}/${file} > ${ZENTAR_GENERATED}/${file}.gz
                     DEPENDS ${ZENTAR_GENERATED}/${file} VERBATIM)
  list(APPEND compressed ${ZENTAR_GENERATED}/${file}.gz)
endforeach()
add_custom_target(zentar_docs ALL DEPENDS ${compressed})
install(FILES ${ZENTAR_GENERATED}/zentar.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${ZENTAR_GENERATED}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian's hardening (fortify source, stack protector, relro, now binding) for the
# Release build the package is made from; the sanitizer build keeps its own flags.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT ZENTAR_SANITIZE AND DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(${kind} UNIX_COMMAND "${flags}")
  endforeach()
  foreach(target zentar_core zentar_ui zentar)
    target_compile_options(${target} PRIVATE ${CPPFLAGS} ${CXXFLAGS})
  endforeach()
  target_link_options(zentar PRIVATE ${LDFLAGS})
endif()

# The Debian package: cpack -G DEB in a Release build folder. Its dependencies are read
# from the libraries the program links (dpkg-shlibdeps); Qt's windowing plugins are
# loaded at run time, and every text is Japanese, so those are named here.
set(CPACK_PACKAGE_NAME zentar)
set(CPACK_PACKAGE_VENDOR "ゼンタル制作委員会")
set(CPACK_PACKAGE_CONTACT "${ZENTAR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "raising and battle game against thirteen rival countries")
file(READ ${ZENTAR_PACKAGING}/description CPACK_PACKAGE_DESCRIPTION)
string(STRIP "${CPACK_PACKAGE_DESCRIPTION}" CPACK_PACKAGE_DESCRIPTION)
if(ZENTAR_HOMEPAGE)
  set(CPACK_PACKAGE_HOMEPAGE_URL ${ZENTAR_HOMEPAGE})
endif()
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package takes every file but the plain install's program, and the program in games.
set(CPACK_INSTALL_CMAKE_PROJECTS
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} Unspecified /
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} debian_program /)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
include(CPack)
