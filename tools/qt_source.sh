# Shared by tools/windows/build-qt.sh and tools/web/build-qt.sh, which build a Qt for
# another platform from Debian 12's source packages. Sourced after tools/setup.sh, with
# `prefix` (where the Qt goes) and `work` (its sources, build trees and logs) set.

step() { echo "[$(date +%T)] $*"; }

# Runs a long step into a log of its own; shows the log's end when it fails.
logged() {
    local log="$work/$1.log"
    shift
    "$@" >"$log" 2>&1 || { tail -n 40 "$log" >&2; echo "failed: see $log" >&2; return 1; }
}

# Fetches the sources of the packages named (qt6-base and qt6-multimedia unless named) into
# `work` once, with Debian's patches applied, and names their folders in `base_src` and
# `mm_src`.
zentar_qt_sources() {
    local packages=(qt6-base qt6-multimedia) package
    [ $# -gt 0 ] && packages=("$@")
    zentar_enable_debian_sources
    mkdir -p "$work"
    for package in "${packages[@]}"; do
        if ! compgen -G "$work/$package-$ZENTAR_QT_VERSION*/" >/dev/null; then
            step "fetching the source of $package"
            (cd "$work" && apt-get source -qq "$package" >/dev/null)
        fi
    done
    base_src="$(echo "$work"/qt6-base-$ZENTAR_QT_VERSION*/)"
    mm_src="$(echo "$work"/qt6-multimedia-$ZENTAR_QT_VERSION*/)"
}

# Applies the patch file PATCH to the sources in SOURCE, unless it is in already.
apply_once() {
    patch -d "$1" -p1 -N --dry-run -s <"$2" >/dev/null 2>&1 || return 0
    patch -d "$1" -p1 -N -s <"$2"
}

# What every Qt module's build is given: the host's Qt tools, a release into `prefix`.
zentar_host_qt() {
    host_qt=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
             -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
             -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF)
}

# Puts the licence texts of the modules named (qtbase and qtmultimedia unless named), with
# Debian's copyright files, into `prefix`/share/licenses, a folder a module, for the packages
# that ship this Qt.
zentar_qt_licenses() {
    local modules=(qtbase qtmultimedia) module source
    [ $# -gt 0 ] && modules=("$@")
    for module in "${modules[@]}"; do
        source="$base_src"
        [ "$module" = qtmultimedia ] && source="$mm_src"
        mkdir -p "$prefix/share/licenses/$module"
        cp "$source"/LICENSES/*.txt "$prefix/share/licenses/$module/"
        cp "$source/debian/copyright" "$prefix/share/licenses/$module/copyright"
    done
}
