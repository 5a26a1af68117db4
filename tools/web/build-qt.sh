#!/usr/bin/env bash
# Builds the Qt the browser's page links, once, from Debian 12's own source packages:
# qtbase (Core, Gui, Widgets, Network, OpenGL for the wasm platform plugin) static, with
# asyncify, and qtmultimedia with its browser audio backend, built with Debian's emscripten
# against the host's Qt 6.4.2 tools. About a quarter of an hour at -j2.
#   build-qt.sh PREFIX    installs into PREFIX; sources and build trees go to PREFIX.work
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
ZENTAR_ROOT="$(cd "$here/../.." && pwd)"
source "$here/../setup.sh"
source "$here/qt.sh"
prefix="$(realpath -m "$1")"
work="$prefix.work"
jobs="${ZENTAR_JOBS:-2}"
[ -f "$prefix/.complete" ] && exit 0

step() { echo "[$(date +%T)] $*"; }
# Runs a long step into a log of its own; shows the log's end when it fails.
logged() {
    local log="$work/$1.log"
    shift
    "$@" >"$log" 2>&1 || { tail -n 40 "$log" >&2; echo "failed: see $log" >&2; return 1; }
}

zentar_install_packages "${ZENTAR_WEB_PACKAGES[@]}" "${ZENTAR_QT_SOURCE_PACKAGES[@]}"
zentar_enable_debian_sources
zentar_web_environment
mkdir -p "$work"
cd "$work"

for package in qt6-base qt6-multimedia; do
    if ! compgen -G "$package-6.4.2*/" >/dev/null; then
        step "fetching the source of $package"
        apt-get source -qq "$package" >/dev/null
    fi
done
base_src="$(echo "$work"/qt6-base-6.4.2*/)"
mm_src="$(echo "$work"/qt6-multimedia-6.4.2*/)"
# qtmultimedia compiles its shaders with the host's tools, as for Windows.
shaders="$here/../windows/qtmultimedia-host-shadertools.patch"
if patch -d "$mm_src" -p1 -N --dry-run -s <"$shaders" >/dev/null 2>&1; then
    patch -d "$mm_src" -p1 -N -s <"$shaders"
fi

host_qt=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
         -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
         -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF)

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

touch "$prefix/.complete"
step "Qt for WebAssembly is ready in $prefix"
