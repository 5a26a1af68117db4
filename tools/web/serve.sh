#!/usr/bin/env bash
# Serves the site ./tools/web/package.sh made on 127.0.0.1 and prints the address to open
# in a browser; Ctrl+C ends it.   serve.sh [PORT]   (8029 unless given; 0 picks a free one)
set -euo pipefail
ZENTAR_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
site="$ZENTAR_ROOT/build/web/site"
[ -f "$site/index.html" ] || { echo "No site in $site: run ./tools/web/package.sh first" >&2; exit 1; }
exec python3 "$ZENTAR_ROOT/tools/web/serve.py" "$site" "${1:-8029}"
