# Shared by run.sh and test.sh: installs the Debian packages named, when missing.
ZENTAR_GAME_PACKAGES=(cmake g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
                      fonts-noto-cjk)
ZENTAR_PACKAGE_PACKAGES=(dpkg-dev file)  # cpack -G DEB: dpkg-shlibdeps reads the dependencies
ZENTAR_TEST_PACKAGES=(clang libclang-rt-14-dev locales desktop-file-utils appstream lintian
                      "${ZENTAR_PACKAGE_PACKAGES[@]}")

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
