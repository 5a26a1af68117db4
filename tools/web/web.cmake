# The browser build (Qt for WebAssembly), included from the top CMakeLists.txt once
# zentar_ui and the program exist: the game's Japanese font as a subset made here, a file
# beside the program (zentar-jp.otf), and what the page leaves out of Qt's page
# (zentar.html, zentar.js, zentar.wasm, qtloader.js).

# Every character of the game's texts and any a player can type into a name, drawn from
# Noto Sans CJK JP. Horizontal text needs none of the font's layout features, which would
# pull in thousands of glyph variants. Its outlines without subroutines are larger, but
# compress smaller: the page's server sends it compressed.
set(ZENTAR_CJK_FONT /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc)
set(ZENTAR_WEB_FONT_DIR ${PROJECT_BINARY_DIR}/web-font)
file(GLOB_RECURSE ZENTAR_TEXT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp
     ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/assets/help/*)
add_custom_command(
  OUTPUT ${ZENTAR_WEB_FONT_DIR}/zentar-jp.otf
  COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/font_text.py ${PROJECT_SOURCE_DIR}
          > ${ZENTAR_WEB_FONT_DIR}/characters.txt
  COMMAND pyftsubset ${ZENTAR_CJK_FONT} --font-number=0
          --text-file=${ZENTAR_WEB_FONT_DIR}/characters.txt --no-hinting --layout-features=
          --desubroutinize --drop-tables+=VORG,vhea,vmtx
          --output-file=${ZENTAR_WEB_FONT_DIR}/zentar-jp.otf
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/font_text.py ${ZENTAR_TEXT_SOURCES}
  COMMENT "Making the page's Japanese font")
file(MAKE_DIRECTORY ${ZENTAR_WEB_FONT_DIR})
add_custom_target(zentar_web_font DEPENDS ${ZENTAR_WEB_FONT_DIR}/zentar-jp.otf)
add_dependencies(zentar zentar_web_font)

# Left out of the page, which it would only make heavier: the image formats (the pictures
# are PNG, which Qt reads itself); Qt's fallback fonts, DejaVu and Vera, 1 MB never drawn,
# since every text takes the game's font; and the colour profile of PDF files.
qt_import_plugins(zentar EXCLUDE_BY_TYPE imageformats)
foreach(unused QWasmIntegrationPlugin_resources_1 Gui_resources_1)
  set_property(TARGET Qt6::${unused} PROPERTY IMPORTED_OBJECTS_RELEASE "")
endforeach()

# The page is linked for size, as its Qt is built: at -Oz, where Qt's link options ask for
# -Os (11 KB less sent).
get_target_property(ZENTAR_QT_LINK Qt6::Platform INTERFACE_LINK_OPTIONS)
list(TRANSFORM ZENTAR_QT_LINK REPLACE "^-Os$" "-Oz")
set_property(TARGET Qt6::Platform PROPERTY INTERFACE_LINK_OPTIONS "${ZENTAR_QT_LINK}")
