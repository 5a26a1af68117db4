#!/usr/bin/env bash
# The Windows check, run by CI after ./test.sh: cross-builds the game and makes the zip
# (with the prebuilt Qt of ../shared/windows when it is there), then under Wine on a
# virtual display with a window manager starts zentar.exe from the unpacked zip, starts
# a new game through the title's menu, saves with 育成中断 and reads the saved game back
# from Wine's registry; then runs every test that is not labelled linux_only, built for
# Windows, under Wine.
set -euo pipefail
ZENTAR_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ZENTAR_ROOT"
source tools/setup.sh
source tools/windows/qt.sh
start=$SECONDS
zentar_install_packages "${ZENTAR_WINDOWS_PACKAGES[@]}" "${ZENTAR_WINE_PACKAGES[@]}"
zentar_prefer_shared_qt windows mingw ZENTAR_QT_MINGW
./tools/windows/package.sh
qt="$(zentar_qt_mingw)"

scratch="$(mktemp -d)"
pids=()
finish() {
    WINEPREFIX="$scratch/prefix" wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap finish EXIT
fail() { echo "Windows check FAILED: $*" >&2; exit 1; }

# A display of our own, with a window manager so that windows get the keyboard.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds
    local until=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $until ] || return 1
        sleep 0.5
    done
}
windows_open() { [ -n "$(visible ゼンタル)" ]; }
key() { xdotool key --delay 100 "$@"; sleep 1; }

# The player's first game, from the unpacked zip.
version="$(sed -n 's/^project(zentar VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
unzip -q "build/windows/zentar-$version-windows-x64.zip" -d "$scratch/player"
wine "$scratch/player/zentar-$version-windows-x64/zentar.exe" >/dev/null 2>&1 &
game=$!
wait_for 60 windows_open || fail "no title window"
title="$(visible ゼンタル)"
xdotool windowactivate --sync "$title" 2>/dev/null || true
sleep 1
xdotool type --delay 100 Zentar
key ctrl+F2            # メニュー → はじめから, by its shortcut
key Return             # はい: the old records go
wait_for 20 windows_open || fail "no main screen after a new game"
key ctrl+F1            # 育成中断: saves, then ends
wait_for 30 bash -c "! kill -0 $game 2>/dev/null" || fail "the game did not end after 育成中断"
wineserver -w
saved=$(awk '/^\[Software\\\\zentar\\\\zentar\\\\velmora\]/ {inside = 1; next}
             inside && /^$/ {inside = 0}
             inside && /^"/ {n++}
             END {print n + 0}' "$WINEPREFIX/user.reg")
[ "$saved" -eq 208 ] || fail "the registry holds $saved values of the saved game, not 208"
echo "zentar.exe under Wine: title, new game, 育成中断 saved $saved values to the registry"

# The tests, built for Windows, under Wine: all but the Linux-only ones.
tests="build/windows/tests"
zentar_windows_build "$qt" "$tests" all -- -DZENTAR_TESTS=ON >"$scratch/tests-build.log" ||
    { tail -n 40 "$scratch/tests-build.log"; fail "the tests did not build for Windows"; }
WINEPATH="$(zentar_windows_dll_dirs "$qt" | while read -r dir; do winepath -w "$dir"; done | paste -sd';')"
export WINEPATH
failed=()
while IFS=$'\t' read -r name command; do
    read -r -a argv <<<"$command"
    log="$scratch/$name.txt"
    output=()
    [[ "${argv[0]}" == */test_* ]] && output=(-o "$(winepath -w "$log"),txt")
    if QTEST_FUNCTION_TIMEOUT=120000 wine "${argv[@]}" "${output[@]}" >/dev/null 2>&1; then
        echo "passed under Wine: $name"
    else
        echo "FAILED under Wine: $name"
        [ -f "$log" ] && grep -E "^(FAIL|QFATAL|Totals)" -A2 "$log" | head -n 30
        failed+=("$name")
    fi
done < <(ctest --test-dir "$tests" -N -LE linux_only --show-only=json-v1 |
         python3 -c 'import json, sys
for t in json.load(sys.stdin)["tests"]:
    print(t["name"] + "\t" + " ".join(t["command"]))')
wineserver -k 2>/dev/null || true
[ ${#failed[@]} -eq 0 ] || fail "tests under Wine: ${failed[*]}"
echo "Windows check passed in $((SECONDS - start)) s"
