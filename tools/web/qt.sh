# Shared by package.sh, build-qt.sh and check.sh: the Qt for WebAssembly the browser build
# uses, and the environment Debian's emscripten needs to build with it.
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

# Prints the prefix of the Qt for WebAssembly: ZENTAR_QT_WASM (a prefix, or the tarball
# of one), else one built from Debian's sources into the user's cache, once.
zentar_qt_wasm() {
    zentar_qt_prefix web wasm ZENTAR_QT_WASM
}
