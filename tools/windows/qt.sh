# Shared by package.sh and check.sh: the Qt for MinGW the Windows build uses, and the
# cross-build of the game against it.
# Prints the prefix of the Qt for MinGW: ZENTAR_QT_MINGW (a prefix, or the tarball of
# one), else one built from Debian's sources into the user's cache, once.
zentar_qt_mingw() {
    zentar_qt_prefix windows mingw ZENTAR_QT_MINGW
}

# Prints the folders of the DLLs a program built for Windows loads: Qt's, then the
# MinGW runtime's (libstdc++, libgcc_s, libwinpthread), one a line.
zentar_windows_dll_dirs() {
    echo "$1/bin"
    dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"
    dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
}

# Configures and builds targets of the game for Windows: zentar_windows_build QT BUILD TARGET... [-- CMAKE ARGS]
zentar_windows_build() {
    local qt="$1" build="$2"
    shift 2
    local targets=() args=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do targets+=("$1"); shift; done
    [ $# -gt 0 ] && shift && args=("$@")
    cmake -S "$ZENTAR_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$ZENTAR_ROOT/tools/windows/mingw-toolchain.cmake" \
        "${args[@]}" >/dev/null
    cmake --build "$build" -j"${ZENTAR_JOBS:-2}" --target "${targets[@]}"
}
