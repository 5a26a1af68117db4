# Shared by package.sh, build-qt.sh and check.sh: the Qt for WebAssembly the browser build
# uses, and the environment Debian's emscripten needs to build with it.
ZENTAR_QT_VERSION=6.4.2

# Debian's emscripten, as Qt's wasm toolchain wants to find it: node finds Debian's own
# modules (acorn), emscripten programs run under node 18 without its fetch, and $EMSDK is
# a stand-in folder whose upstream/emscripten links to Debian's emscripten.
zentar_web_environment() {
    local emsdk="$ZENTAR_ROOT/build/web/emsdk"
    mkdir -p "$emsdk/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$emsdk/.emscripten"
    ln -sfn /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
    ln -sfn /usr/share/emscripten/cmake "$emsdk/upstream/emscripten/cmake"
    ln -sfn /usr/share/emscripten/emranlib.py "$emsdk/upstream/emscripten/emranlib.py"
    export EMSDK="$emsdk"
    export NODE_PATH=/usr/share/nodejs
    export NODE_OPTIONS=--no-experimental-fetch
}

# Prints the prefix of the Qt for WebAssembly: ZENTAR_QT_WASM (a prefix, or the tarball of
# one, unpacked under build/web), else one built from Debian's sources into the user's
# cache, once.
zentar_qt_wasm() {
    local given="${ZENTAR_QT_WASM:-}"
    if [ -z "$given" ]; then
        local cache="${XDG_CACHE_HOME:-$HOME/.cache}/zentar/qt6-wasm-$ZENTAR_QT_VERSION"
        "$ZENTAR_ROOT/tools/web/build-qt.sh" "$cache" >&2
        echo "$cache"
    elif [ -d "$given" ]; then
        realpath "$given"
    elif [ -f "$given" ]; then
        local unpacked="$ZENTAR_ROOT/build/web/qt"
        local stamp="$unpacked/.from"
        if [ "$(cat "$stamp" 2>/dev/null)" != "$(realpath "$given") $(stat -c %Y "$given")" ]; then
            echo "Unpacking $given" >&2
            rm -rf "$unpacked" && mkdir -p "$unpacked"
            tar -xzf "$given" -C "$unpacked"
            echo "$(realpath "$given") $(stat -c %Y "$given")" >"$stamp"
        fi
        dirname "$(echo "$unpacked"/*/lib/cmake/Qt6/qt.toolchain.cmake)" | sed 's:/lib/cmake/Qt6$::'
    else
        echo "ZENTAR_QT_WASM=$given is neither a folder nor a tarball" >&2
        return 1
    fi
}
