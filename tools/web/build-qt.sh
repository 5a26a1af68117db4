#!/usr/bin/env bash
# Builds the Qt the browser's page links, once, from Debian 12's own source package qtbase:
# Core, Gui, Widgets and OpenGL for the wasm platform plugin, static, with asyncify, built
# with Debian's emscripten against the host's Qt tools of the same version, with our
# patches (qtbase-wasm-*.patch). Made for size: -Oz, and without what the game never uses
# (networking, MIME types, accessibility, widget style sheets, the pictures of the styles,
# the widgets and formats it has none of); the help's HTML keeps its text browser, rich text
# and CSS. The page plays its beep through the browser, so no Qt Multimedia. Its recipe's
# stamp goes into PREFIX/zentar-qt-recipe.
#   build-qt.sh PREFIX    installs into PREFIX; sources and build trees go to PREFIX.work,
#                         which goes once the Qt is ready
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
ZENTAR_ROOT="$(cd "$here/../.." && pwd)"
source "$here/../setup.sh"
source "$here/../qt_source.sh"
source "$here/qt.sh"
prefix="$(realpath -m "$1")"
work="$prefix.work"
jobs="${ZENTAR_JOBS:-2}"
[ -f "$prefix/.complete" ] && exit 0

zentar_install_packages "${ZENTAR_WEB_PACKAGES[@]}" "${ZENTAR_QT_SOURCE_PACKAGES[@]}"
zentar_web_environment
zentar_qt_sources qt6-base
for patch in "$here"/qtbase-wasm-*.patch; do apply_once "$base_src" "$patch"; done
zentar_host_qt
cd "$work"

# What the game's windows never show or use; each is code the page would otherwise carry,
# reached through Qt's styles, events and meta-objects even when no window uses it.
unused=(network sql dbus printsupport xml testlib concurrent icu jpeg fontconfig thread
        mimetype accessibility jalalicalendar islamiccivilcalendar hijricalendar gestures
        tabletevent whatsthis textmarkdownreader textmarkdownwriter textodfwriter pdf movie
        picture imageformat_bmp imageformat_ppm imageformat_xbm systemtrayicon
        undocommand undostack undogroup
        graphicsview graphicseffect scroller treewidget listwidget tablewidget treeview
        tableview columnview datawidgetmapper undoview commandlinkbutton calendarwidget
        datetimeedit splashscreen splitter lcdnumber fontcombobox toolbox dockwidget mdiarea
        statusbar dial syntaxhighlighter sizegrip keysequenceedit colordialog filedialog
        fontdialog progressdialog inputdialog errormessage wizard fscompleter completer
        style_stylesheet effects)
features=()
for feature in "${unused[@]}"; do features+=("-DFEATURE_$feature=OFF"); done
step "configuring qtbase"
logged qtbase-configure cmake -S "$base_src" -B "$work/build-qtbase" -G Ninja \
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    "${host_qt[@]}" -DBUILD_SHARED_LIBS=OFF "-DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1" \
    -DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON \
    "-DCMAKE_C_FLAGS_RELEASE=-Oz -DNDEBUG" "-DCMAKE_CXX_FLAGS_RELEASE=-Oz -DNDEBUG" \
    "${features[@]}" \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
step "building qtbase"
logged qtbase-build cmake --build "$work/build-qtbase" -j"$jobs"
logged qtbase-install cmake --install "$work/build-qtbase"

zentar_qt_licenses qtbase
zentar_web_qt_recipe >"$prefix/zentar-qt-recipe"
touch "$prefix/.complete"
rm -rf "$work"
step "Qt for WebAssembly is ready in $prefix"
