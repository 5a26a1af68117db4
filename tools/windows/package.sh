#!/usr/bin/env bash
# Makes the Windows package: build/windows/zentar-<version>-windows-x64.zip, a folder a
# player unpacks and starts zentar.exe from. Cross-built here with MinGW-w64 against a Qt
# for MinGW: ZENTAR_QT_MINGW names one (a prefix, or its tarball); without it, Qt is
# built once from Debian's source packages into ~/.cache/zentar (about half an hour).
set -euo pipefail
ZENTAR_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ZENTAR_ROOT"
source tools/setup.sh
source tools/windows/qt.sh
start=$SECONDS
zentar_install_packages "${ZENTAR_WINDOWS_PACKAGES[@]}"

version="$(sed -n 's/^project(zentar VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="zentar-$version-windows-x64"
out="build/windows"
stage="$out/$name"
qt="$(zentar_qt_mingw)"
zentar_windows_build "$qt" "$out/game" zentar

rm -rf "$stage" "$out/$name.zip"
mkdir -p "$stage"
cp "$out/game/zentar.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/zentar.exe"
# Qt's plugins the game loads: the window system, the Windows style, the sound backend.
# Its pictures are PNG, which Qt reads without a plugin.
for plugin in platforms/qwindows styles/qwindowsvistastyle multimedia/windowsmediaplugin; do
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin.dll" "$stage/$plugin.dll"
done
# Every DLL those need from Qt or the MinGW runtime, found by what each one imports.
mapfile -t runtime < <(zentar_windows_dll_dirs "$qt")
copy_imports() {
    local dll dir
    for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
        [ -e "$stage/$dll" ] && continue
        for dir in "${runtime[@]}"; do
            [ -f "$dir/$dll" ] || continue
            cp "$dir/$dll" "$stage/$dll"
            copy_imports "$stage/$dll"
            break
        done
    done
}
while read -r binary; do copy_imports "$binary"; done < <(find "$stage" -name '*.exe' -o -name '*.dll')
find "$stage" -name 'lib*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The player's read-me and the licences: the game's, Qt's (LGPL-3.0) with where its
# source is, and the MinGW runtime's. Windows' Notepad reads UTF-8 with a BOM and CRLF.
to_windows_text() { printf '\xef\xbb\xbf'; sed 's/$/\r/' "$1"; }
sed "s/@VERSION@/$version/" tools/windows/readme.txt >"$out/readme.txt"
to_windows_text "$out/readme.txt" >"$stage/readme.txt"
to_windows_text LICENSE >"$stage/LICENSE.txt"
mkdir -p "$stage/licenses/qt" "$stage/licenses/mingw-w64"
sed "s/@QT_VERSION@/$ZENTAR_QT_VERSION/g" tools/windows/qt-notice.txt >"$out/qt-notice.txt"
to_windows_text "$out/qt-notice.txt" >"$stage/licenses/qt/README.txt"
for module in qtbase qtmultimedia; do
    cp -r "$qt/share/licenses/$module" "$stage/licenses/qt/"
done
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-w64/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64/mingw-w64.txt"

(cd "$out" && zip -qr9 "$name.zip" "$name")
echo "$out/$name.zip: $(du -k "$out/$name.zip" | cut -f1) KiB, made in $((SECONDS - start)) s"
