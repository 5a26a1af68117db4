#!/usr/bin/env bash
# Installs what is missing, builds the game in Release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source ./tools/setup.sh
zentar_install_packages "${ZENTAR_GAME_PACKAGES[@]}"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$(nproc)"
exec ./build/release/zentar "$@"
