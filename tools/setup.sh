# Shared by run.sh and test.sh: installs the Debian packages named, when missing.
ZENTAR_GAME_PACKAGES=(cmake g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
                      fonts-noto-cjk)
ZENTAR_PACKAGE_PACKAGES=(dpkg-dev file)  # cpack -G DEB: dpkg-shlibdeps reads the dependencies
ZENTAR_TEST_PACKAGES=(clang libclang-rt-14-dev locales desktop-file-utils appstream lintian
                      "${ZENTAR_PACKAGE_PACKAGES[@]}")
# The Windows build: cross-compiling with MinGW-w64 against a Qt for MinGW, zipping, and
# trying the result under Wine on a virtual display with a window manager.
ZENTAR_WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev-tools zip unzip)
ZENTAR_WINE_PACKAGES=(wine wine64 xvfb openbox xdotool python3)
# Making that Qt from Debian's source packages (apt-get source needs dpkg-dev).
ZENTAR_QT_SOURCE_PACKAGES=(dpkg-dev qt6-shadertools-dev)
# The version of the Qt made for Windows and the browser: Debian 12's, whose tools on the
# host build it.
ZENTAR_QT_VERSION=6.4.2

# Runs a command as root: directly, or through sudo.
zentar_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

zentar_install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then sudo=(sudo); else
            echo "Please install these Debian packages as root: ${missing[*]}" >&2
            return 1
        fi
    fi
    if ! { "${sudo[@]}" apt-get update -qq &&
           DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null; }; then
        echo "Could not install: ${missing[*]}. Please install them with apt-get and run again." >&2
        return 1
    fi
}

# apt-get source needs a deb-src line; Debian 12 ships with none. The source packages
# come from the mirror the machine's own bookworm packages come from, its own mirror too.
zentar_enable_debian_sources() {
    grep -qsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources && return 0
    local mirror
    mirror="$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' "Created-By: Packages" |
        awk '$2 == "bookworm" {print $1; exit}')"
    if [ -z "$mirror" ]; then
        echo "apt has no source of bookworm's packages to take its source packages from" >&2
        return 1
    fi
    echo "Adding bookworm's source packages from $mirror to apt (/etc/apt/sources.list.d/zentar-src.sources)"
    printf '%s\n' "Types: deb-src" "URIs: $mirror" "Suites: bookworm" \
        "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
        zentar_as_root tee /etc/apt/sources.list.d/zentar-src.sources >/dev/null
    zentar_as_root apt-get update -qq
}
# The browser build: Debian's emscripten against a Qt for WebAssembly, the page's font cut
# down with fonttools, the game made smaller with binaryen and brotli, and the check in
# headless Chromium driven over its DevTools protocol.
ZENTAR_WEB_PACKAGES=(cmake ninja-build emscripten qt6-base-dev-tools fonttools fonts-noto-cjk
                     binaryen brotli zip python3)
ZENTAR_BROWSER_PACKAGES=(chromium python3-websocket)

# Has VARIABLE name the prebuilt Qt for PLATFORM (of KIND) kept beside the checkout in
# ../shared, when one is there and none is named yet: the checks take it over a build. With
# a RECIPE stamp, only a prebuilt Qt made by that recipe (it holds the stamp in the file
# zentar-qt-recipe) is taken.
zentar_prefer_shared_qt() {
    local platform=$1 kind=$2 variable=$3 recipe=${4:-}
    local prebuilt="$ZENTAR_ROOT/../shared/$platform/qt6-$kind-$ZENTAR_QT_VERSION.tar.gz"
    [ -z "${!variable:-}" ] && [ -f "$prebuilt" ] || return 0
    if [ -n "$recipe" ] &&
       [ "$(tar -xzf "$prebuilt" --wildcards '*/zentar-qt-recipe' -O 2>/dev/null)" != "$recipe" ]; then
        echo "The prebuilt $prebuilt was made by another recipe: building Qt instead" >&2
        return 0
    fi
    export "$variable=$prebuilt"
}

# Prints the prefix of a Qt made for another platform (PLATFORM: windows or web, KIND: mingw
# or wasm), as the variable named VARIABLE gives it: a prefix, or its tarball unpacked under
# build/PLATFORM/qt; with the variable unset, one built from Debian's sources by
# tools/PLATFORM/build-qt.sh into the user's cache, once, in a folder named after its
# RECIPE stamp when one is given.
zentar_qt_prefix() {
    local platform=$1 kind=$2 variable=$3 recipe=${4:-}
    local given="${!variable:-}"
    if [ -z "$given" ]; then
        local cache="${XDG_CACHE_HOME:-$HOME/.cache}/zentar/qt6-$kind-$ZENTAR_QT_VERSION${recipe:+-$recipe}"
        "$ZENTAR_ROOT/tools/$platform/build-qt.sh" "$cache" >&2
        echo "$cache"
    elif [ -d "$given" ]; then
        realpath "$given"
    elif [ -f "$given" ]; then
        local unpacked="$ZENTAR_ROOT/build/$platform/qt"
        local stamp="$unpacked/.from"
        if [ "$(cat "$stamp" 2>/dev/null)" != "$(realpath "$given") $(stat -c %Y "$given")" ]; then
            echo "Unpacking $given" >&2
            rm -rf "$unpacked" && mkdir -p "$unpacked"
            tar -xzf "$given" -C "$unpacked"
            echo "$(realpath "$given") $(stat -c %Y "$given")" >"$stamp"
        fi
        dirname "$(echo "$unpacked"/*/lib/cmake/Qt6/qt.toolchain.cmake)" | sed 's:/lib/cmake/Qt6$::'
    else
        echo "$variable=$given is neither a folder nor a tarball" >&2
        return 1
    fi
}

# Prints the Linux game, to carry a save between it and another platform's: the one ./test.sh
# built, else one built here.
zentar_linux_game() {
    if [ -x "$ZENTAR_ROOT/build/test/zentar" ]; then
        echo "$ZENTAR_ROOT/build/test/zentar"
        return
    fi
    zentar_install_packages "${ZENTAR_GAME_PACKAGES[@]}" >&2
    cmake -S "$ZENTAR_ROOT" -B "$ZENTAR_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$ZENTAR_ROOT/build/release" -j"${ZENTAR_JOBS:-2}" --target zentar >&2
    echo "$ZENTAR_ROOT/build/release/zentar"
}
