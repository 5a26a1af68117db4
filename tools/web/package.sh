#!/usr/bin/env bash
# Makes the browser's site: build/web/site/, the page, the files it loads and the source
# it is built from, and the same files in build/web/zentar-<version>-web.zip, for any static
# web server. Built here with Debian's emscripten against a Qt for WebAssembly:
# ZENTAR_QT_WASM names one (a prefix, or its tarball); without it, Qt is built once from
# Debian's source package by tools/web/build-qt.sh into ~/.cache/zentar (about ten minutes).
set -euo pipefail
ZENTAR_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ZENTAR_ROOT"
source tools/setup.sh
source tools/web/qt.sh
start=$SECONDS
zentar_install_packages "${ZENTAR_WEB_PACKAGES[@]}"

version="$(sed -n 's/^project(zentar VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="zentar-$version-web"
out="build/web"
site="$out/site"
qt="$(zentar_qt_wasm)"
zentar_web_environment
# A build made with another Qt starts afresh: CMake keeps the Qt it first found.
# (Qt keeps files of its own in the build's .qt folder, so the stamp has another name.)
[ "$(cat "$out/game/zentar-qt" 2>/dev/null)" = "$qt" ] || rm -rf "$out/game"
mkdir -p "$out/game" && echo "$qt" >"$out/game/zentar-qt"
"$qt/bin/qt-cmake" -S . -B "$out/game" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_CXX_FLAGS_RELEASE=-Oz -DNDEBUG" >/dev/null
cmake --build "$out/game" -j"${ZENTAR_JOBS:-2}" --target zentar

rm -rf "$site" "$out/$name.zip"
mkdir -p "$site"
# The game, made smaller once more now that the whole program is known.
wasm-opt -Oz --enable-sign-ext --enable-mutable-globals --enable-bulk-memory \
    "$out/game/zentar.wasm" -o "$site/zentar.wasm"
cp "$out/game/zentar.js" "$out/game/qtloader.js" "$out/game/web-font/zentar-jp.otf" "$site/"
cp assets/icons/zentar-32.png "$site/zentar.png"
cp assets/icons/zentar-192.png assets/icons/zentar-512.png tools/web/manifest.webmanifest "$site/"

# The exact source the page is built from, beside it, so that the page can be relinked with
# another Qt from nothing but what it carries: the commit, with what the tree holds beyond
# it when it differs (a tree with no git history is packed as it is).
source="zentar-$version-source.tar.gz"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    index="$(mktemp)"
    cp "$(git rev-parse --git-path index)" "$index"
    GIT_INDEX_FILE="$index" git add -A
    tree="$(GIT_INDEX_FILE="$index" git write-tree)"
    rm -f "$index"
    commit="$(git rev-parse --short=12 HEAD)"
    [ "$tree" = "$(git rev-parse 'HEAD^{tree}')" ] || commit="$commit とその後の変更"
    git archive --format=tar.gz --prefix="zentar-$version/" "$tree" >"$site/$source"
else
    commit="不明"
    tar -czf "$site/$source" --exclude=./build --transform="s,^\.,zentar-$version," .
fi
page() {
    sed -e "s/@WASM_BYTES@/$(stat -c %s "$site/zentar.wasm")/" -e "s/@QT_VERSION@/$ZENTAR_QT_VERSION/g" \
        -e "s/@SOURCE@/$source/g" -e "s/@COMMIT@/$commit/g" "$@"
}
page tools/web/index.html >"$site/index.html"

# The licences: the game's, and Qt's (LGPL-3.0) with where its source is.
cp LICENSE "$site/LICENSE.txt"
mkdir -p "$site/licenses"
cp -r "$qt/share/licenses" "$site/licenses/qt"
files="$(cd "$site/licenses/qt" && find . -type f -printf '%P\n' | sort |
         while read -r f; do printf '<li><a href="%s">%s</a></li>\\n' "$f" "$f"; done)"
page -e "s|@FILES@|$files|" tools/web/qt-notice.html >"$site/licenses/qt/index.html"

# The service worker keeps this version's files: all the page loads, named by their hash.
kept="$(cd "$site" && find . -maxdepth 1 -type f ! -name '*.br' ! -name '*.gz' ! -name sw.js \
        ! -name '*.tar.*' -printf '%P\n' | sort)"
edition="$(cd "$site" && sha256sum $kept | sha256sum | cut -c1-16)"
listed="$(printf '"./", '; printf '"%s", ' $kept)"
sed -e "s/@VERSION@/$edition/" -e "s|@FILES@|${listed%, }|" tools/web/sw.js >"$site/sw.js"

# Compressed beside the plain files, for a server that sends them so (serve.sh does).
loaded=(zentar.wasm zentar-jp.otf zentar.js qtloader.js index.html)
for file in "${loaded[@]/#/$site/}"; do
    gzip -9 -k -n "$file"
    brotli -q 11 -k "$file"
done

(cd "$out" && rm -rf "$name" && cp -r site "$name" && zip -qr9 "$name.zip" "$name" && rm -rf "$name")
size() { du -k --apparent-size "$@" | awk '{s += $1} END {print s}'; }
sent() {
    local files=("${loaded[@]/#/$site/}")
    size "${files[@]/%/.$1}"
}
echo "$site: game $(size "$site/zentar.wasm") KiB; the page sent as brotli $(sent br) KiB," \
     "as gzip $(sent gz) KiB"
echo "$out/$name.zip: $(size "$out/$name.zip") KiB, made in $((SECONDS - start)) s"
