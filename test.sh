#!/usr/bin/env bash
# Installs what is missing, builds with the tests under AddressSanitizer and UBSan, fuzzes
# the number reader, the saved-game loader and the saved game's file check for a short
# fixed time each, then runs the whole suite headless. Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")"
source ./tools/setup.sh
zentar_install_packages "${ZENTAR_GAME_PACKAGES[@]}" "${ZENTAR_TEST_PACKAGES[@]}"

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DZENTAR_TESTS=ON -DZENTAR_SANITIZE=ON >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config"

cmake -S tests/fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/fuzz -j"$(nproc)"
for target in leading_number saved_game ini_check; do
    seeds="tests/fuzz/corpus/${target/leading_number/numbers}"
    mkdir -p "$scratch/$target"
    echo "fuzzing $target for 15 s"
    if ! ./build/fuzz/fuzz_$target -max_total_time=15 -timeout=5 "$scratch/$target" "$seeds" \
        >"$scratch/$target.log" 2>&1; then
        cat "$scratch/$target.log"
        exit 1
    fi
    grep -E "^Done" "$scratch/$target.log"
done

ctest --test-dir build/test --output-on-failure -j"$(nproc)"
