#!/usr/bin/env bash
# The browser check, run by CI after the Windows check: makes the site (with the prebuilt
# Qt of ../shared/web when it is there and made by this recipe), serves it on 127.0.0.1
# and plays it in Debian's Chromium, headless, over the DevTools protocol: the title, a new
# game, the training dialog, the shop, 育成中断; a reload, 続きから and 育成中断 again, the
# 208 values of the saved game read back from the page's storage; saves cut by a crash of
# the tab and one into a full storage; the save carried out, through the Linux game, and in
# with the page's buttons; two battles through one audio context. It prints what the page
# sends and how soon its title shows. Screenshots go to build/web/check.
set -euo pipefail
ZENTAR_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ZENTAR_ROOT"
source tools/setup.sh
source tools/web/qt.sh
start=$SECONDS
zentar_install_packages "${ZENTAR_WEB_PACKAGES[@]}" "${ZENTAR_BROWSER_PACKAGES[@]}"
zentar_prefer_shared_qt web wasm ZENTAR_QT_WASM "$(zentar_web_qt_recipe)"
./tools/web/package.sh

scratch="$(mktemp -d)"
server=
finish() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT
python3 tools/web/serve.py build/web/site 0 >"$scratch/address" &
server=$!
for _ in $(seq 50); do [ -s "$scratch/address" ] && break; sleep 0.1; done
rm -rf build/web/check && mkdir -p build/web/check
# Debian's python, which has Debian's websocket module.
linux="$(zentar_linux_game)"
/usr/bin/python3 tools/web/check.py "$(cat "$scratch/address")" build/web/check "$linux" \
    build/web/site
echo "web check passed in $((SECONDS - start)) s"
