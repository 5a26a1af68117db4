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

# The stamp of the recipe that makes the page's Qt: a short hash of the files that make it.
# A Qt made here holds it in the file zentar-qt-recipe, and the cache folder is named after
# it, so a Qt made by another recipe is never taken for this one.
zentar_web_qt_recipe() {
    cat "$ZENTAR_ROOT"/tools/web/build-qt.sh "$ZENTAR_ROOT"/tools/web/qtbase-wasm-*.patch \
        "$ZENTAR_ROOT"/tools/qt_source.sh | sha256sum | cut -c1-12
}

# Prints the prefix of the Qt for WebAssembly: ZENTAR_QT_WASM (a prefix, or the tarball
# of one), else one built from Debian's sources by this recipe into the user's cache, once.
zentar_qt_wasm() {
    zentar_qt_prefix web wasm ZENTAR_QT_WASM "$(zentar_web_qt_recipe)"
}
