#!/usr/bin/env bash
# The Windows check, run by CI after ./test.sh: cross-builds the game and makes the zip
# (with the prebuilt Qt of ../shared/windows when it is there), then under Wine on a
# virtual display with a window manager starts zentar.exe from the unpacked zip, starts
# a new game through the title's menu, saves with 育成中断 and reads the saved game back
# from Wine's registry; kills the game in the middle of saves and finds one whole save each
# time; carries the save to the Linux game and back; then runs every test that is not
# labelled linux_only, built for Windows, under Wine.
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
exe="$scratch/player/zentar-$version-windows-x64/zentar.exe"
registry_save() { wineserver -w; python3 tools/windows/registry_save.py "$WINEPREFIX/user.reg" "$@"; }

# Saves cut by a kill, as by a crash or a power cut: ten times the game goes on from its
# save, trains a day, and is killed 0–40 ms after F2 (the shop, which saves first). Each
# time the registry holds one whole save, the one before or the new one.
registry_save >"$scratch/before.json"
journals=0
for kill in $(seq 10); do
    wine "$exe" >/dev/null 2>&1 &
    disown  # killed below: no word from the shell
    wait_for 60 windows_open || fail "no title window before kill $kill"
    xdotool windowactivate --sync "$(visible ゼンタル)" 2>/dev/null || true
    sleep 1
    key F2                 # 続きから
    key F1                 # 命令
    key Down Return        # 1生命力中心, one day
    sleep 4
    xdotool key F2
    sleep "$(printf '0.%03d' $((RANDOM % 41)))"
    pkill -9 -f zentar.exe || true
    registry_save "$scratch/before.json" >"$scratch/after.json" || fail "kill $kill left a mix"
    grep -q velmora-journal "$WINEPREFIX/user.reg" && journals=$((journals + 1))
    mv "$scratch/after.json" "$scratch/before.json"
done
echo "zentar.exe under Wine: 10 saves killed 0–40 ms in ($journals caught with their journal), one whole save each time"

# The save carried across: written out under Wine, read in and written out again by the
# Linux game, then read in under Wine: the registry holds the 208 values Linux wrote.
linux="$(zentar_linux_game)"
export ASAN_OPTIONS=detect_leaks=0  # the Linux game of ./test.sh runs under the sanitizers
wine "$exe" --export-save "$(winepath -w "$scratch/from-windows.ini")" >/dev/null 2>&1 ||
    fail "the save was not written out under Wine"
XDG_CONFIG_HOME="$scratch/linux" "$linux" --import-save "$scratch/from-windows.ini" >/dev/null &&
    XDG_CONFIG_HOME="$scratch/linux" "$linux" --export-save "$scratch/from-linux.ini" >/dev/null ||
    fail "the Linux game did not carry the save"
sed -i 's/^name0=.*/name0=Linux/' "$scratch/from-linux.ini"
wine "$exe" --import-save "$(winepath -w "$scratch/from-linux.ini")" >/dev/null 2>&1 ||
    fail "the save written out on Linux was not read in under Wine"
registry_save >"$scratch/carried.json"
python3 - "$scratch/carried.json" "$scratch/from-linux.ini" <<'CHECK' || fail "the save read in differs"
import configparser, json, sys
registry = json.load(open(sys.argv[1], encoding="utf-8"))
ini = configparser.ConfigParser(interpolation=None)
ini.optionxform = str
ini.read(sys.argv[2], encoding="utf-8")
linux = dict(ini["velmora"])
sys.exit(0 if registry == linux and len(linux) == 208 and linux["name0"] == "Linux" else 1)
CHECK
echo "zentar.exe under Wine: a save written out on Linux read in, its 208 values in the registry"

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
