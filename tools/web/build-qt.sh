#!/usr/bin/env bash
# Builds the Qt the browser's page links, once, from Debian 12's own source packages:
# qtbase (Core, Gui, Widgets, Network, OpenGL for the wasm platform plugin) static, with
# asyncify, and qtmultimedia with its browser audio backend, built with Debian's emscripten
# against the host's Qt tools, of the same version. About a quarter of an hour at -j2.
#   build-qt.sh PREFIX    installs into PREFIX; sources and build trees go to PREFIX.work
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
zentar_qt_sources
# qtmultimedia compiles its shaders with the host's tools, as for Windows.
apply_once "$mm_src" "$here/../windows/qtmultimedia-host-shadertools.patch"
zentar_host_qt
cd "$work"

step "configuring qtbase"
logged qtbase-configure cmake -S "$base_src" -B "$work/build-qtbase" -G Ninja \
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    "${host_qt[@]}" -DBUILD_SHARED_LIBS=OFF "-DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1" \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF \
    -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_fontconfig=OFF -DFEATURE_thread=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
step "building qtbase"
logged qtbase-build cmake --build "$work/build-qtbase" -j"$jobs"
logged qtbase-install cmake --install "$work/build-qtbase"

step "configuring qtmultimedia"
logged qtmultimedia-configure cmake -S "$mm_src" -B "$work/build-qtmultimedia" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" "${host_qt[@]}" \
    -DFEATURE_ffmpeg=OFF -DFEATURE_gstreamer=OFF -DFEATURE_spatialaudio=OFF
step "building qtmultimedia"
logged qtmultimedia-build cmake --build "$work/build-qtmultimedia" -j"$jobs"
logged qtmultimedia-install cmake --install "$work/build-qtmultimedia"

zentar_qt_licenses
touch "$prefix/.complete"
step "Qt for WebAssembly is ready in $prefix"
