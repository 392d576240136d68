#!/usr/bin/env bash
# Sets up the machine, builds plumaro.exe and starts it under Wine on this
# X display. Without a display it runs the game in a private one, saves a
# screenshot and prints its path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wine-common.sh"
cd "$root"

"$root/tools/setup.sh"
cmake --preset windows >/dev/null
cmake --build --preset windows --target plumaro -j "$(nproc)"
exe="$root/build/windows/bin/plumaro.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    make_wine_template "$root/build/wine-play" no
    export WINEPREFIX="$root/build/wine-play/prefix"
    exec "$WINE" "$exe"
fi

# Headless: a private display, a fresh prefix, a screenshot of the start.
make_wine_template "$root/build/wine-template" yes
session=$(mktemp -d)
trap 'WINEPREFIX="$session/prefix" "$WINESERVER" -k 2>/dev/null; kill "$(cat "$session/xvfb.pid")" 2>/dev/null; rm -rf "$session"' EXIT
cp -a "$root/build/wine-template/prefix" "$session/prefix"
DISPLAY=$(start_xvfb "$session/xvfb.pid")
export DISPLAY WINEPREFIX="$session/prefix" HOME="$session"
"$WINE" "$exe" </dev/null >/dev/null 2>&1 &
sleep 6
shot="$root/build/screenshot.png"
import -window root "$shot"
echo "No display: the game ran in a private one. Screenshot: $shot"
