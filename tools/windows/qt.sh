# Shared by package.sh and check.sh: the Qt for MinGW the Windows build uses, and the
# cross-build of the game against it.
ZENTAR_QT_VERSION=6.4.2

# Prints the prefix of the Qt for MinGW: ZENTAR_QT_MINGW (a prefix, or the tarball of
# one, unpacked under build/windows), else one built from Debian's sources into the
# user's cache, once.
zentar_qt_mingw() {
    local given="${ZENTAR_QT_MINGW:-}"
    if [ -z "$given" ]; then
        local cache="${XDG_CACHE_HOME:-$HOME/.cache}/zentar/qt6-mingw-$ZENTAR_QT_VERSION"
        "$ZENTAR_ROOT/tools/windows/build-qt.sh" "$cache" >&2
        echo "$cache"
    elif [ -d "$given" ]; then
        echo "$(realpath "$given")"
    elif [ -f "$given" ]; then
        local unpacked="$ZENTAR_ROOT/build/windows/qt"
        local stamp="$unpacked/.from"
        if [ "$(cat "$stamp" 2>/dev/null)" != "$(realpath "$given") $(stat -c %Y "$given")" ]; then
            echo "Unpacking $given" >&2
            rm -rf "$unpacked" && mkdir -p "$unpacked"
            tar -xzf "$given" -C "$unpacked"
            echo "$(realpath "$given") $(stat -c %Y "$given")" >"$stamp"
        fi
        dirname "$(echo "$unpacked"/*/lib/cmake/Qt6/qt.toolchain.cmake)" | sed 's:/lib/cmake/Qt6$::'
    else
        echo "ZENTAR_QT_MINGW=$given is neither a folder nor a tarball" >&2
        return 1
    fi
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
