#!/usr/bin/env bash
# Builds the Qt the Windows package ships, once, from Debian 12's own source packages:
# qtbase (Core, Gui, Widgets, Network, Test; the windows platform plugin, the vista
# style, the ico image plugin) and qtmultimedia with its Windows Media Foundation
# backend, cross-compiled with MinGW-w64 (posix threads) against the host's Qt
# tools. About half an hour at -j2.
#   build-qt.sh PREFIX    installs into PREFIX; sources and build trees go to PREFIX.work
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../setup.sh"
source "$here/../qt_source.sh"
prefix="$(realpath -m "$1")"
work="$prefix.work"
jobs="${ZENTAR_JOBS:-2}"
[ -f "$prefix/.complete" ] && exit 0

zentar_install_packages "${ZENTAR_WINDOWS_PACKAGES[@]}" "${ZENTAR_QT_SOURCE_PACKAGES[@]}"
# The sources, with Debian's patches applied, plus ours: two guards the trimmed feature
# set needs (no OpenGL, no Direct2D) and the host's shader compiler for qtmultimedia.
zentar_qt_sources
apply_once "$base_src" "$here/qtbase-dynamicgl.patch"
apply_once "$base_src" "$here/qtbase-directwrite3.patch"
apply_once "$mm_src" "$here/qtmultimedia-host-shadertools.patch"
zentar_host_qt
cd "$work"

step "configuring qtbase"
logged qtbase-configure cmake -S "$base_src" -B "$work/build-qtbase" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" "${host_qt[@]}" -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=ON -DFEATURE_testlib=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_ssl=OFF -DFEATURE_openssl=OFF -DFEATURE_schannel=OFF \
    -DFEATURE_icu=OFF -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF -DFEATURE_pkg_config=OFF
step "building qtbase"
logged qtbase-build cmake --build "$work/build-qtbase" -j"$jobs"
logged qtbase-install cmake --install "$work/build-qtbase"

# MinGW's headers are lower case; qtmultimedia includes some in mixed case.
mixed="$work/mixed-case-include"
mkdir -p "$mixed"
for header in Dbt Functiondiscoverykeys_devpkey InitGuid Mferror Mfidl Mfreadwrite Wmcodecdsp; do
    ln -sfn "/usr/x86_64-w64-mingw32/include/${header,,}.h" "$mixed/$header.h"
done
ln -sfn "$prefix/include/QtCore/qurl.h" "$mixed/QUrl.h"

step "configuring qtmultimedia"
mingw_lib=/usr/x86_64-w64-mingw32/lib
logged qtmultimedia-configure cmake -S "$mm_src" -B "$work/build-qtmultimedia" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" "${host_qt[@]}" \
    -DCMAKE_CXX_FLAGS="-isystem $mixed" \
    -DFEATURE_spatialaudio=OFF -DFEATURE_ffmpeg=OFF -DFEATURE_gstreamer=OFF \
    -DWMF_MF_LIBRARY="$mingw_lib/libmf.a" -DWMF_MFUUID_LIBRARY="$mingw_lib/libmfuuid.a" \
    -DWMF_MFPLAT_LIBRARY="$mingw_lib/libmfplat.a" -DWMF_MFCORE_LIBRARY="$mingw_lib/libmfcore.a" \
    -DWMF_PROPSYS_LIBRARY="$mingw_lib/libpropsys.a"
step "building qtmultimedia"
logged qtmultimedia-build cmake --build "$work/build-qtmultimedia" -j"$jobs"
logged qtmultimedia-install cmake --install "$work/build-qtmultimedia"

find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
zentar_qt_licenses
touch "$prefix/.complete"
step "Qt for MinGW is ready in $prefix"
