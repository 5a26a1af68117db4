#!/usr/bin/env bash
# Installs what is missing, builds with the tests under AddressSanitizer and UBSan,
# and runs the whole suite headless. Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")"
source ./tools/setup.sh
zentar_install_packages
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DZENTAR_TESTS=ON -DZENTAR_SANITIZE=ON >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp"
export XDG_CONFIG_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
