#!/usr/bin/env bash
# Takes the README's screenshots of plumaro.exe (docs/*.png) in a private
# Wine session. Needs the build tools, Wine and Xvfb, and ImageMagick's
# convert for the PNG files (tools/setup.sh installs what is missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/setup.sh"
cmake --preset windows >/dev/null
cmake --build --preset windows --target take_screenshots -j "$(nproc)"
session="$root/build/windows/screenshot-session"
"$root/tools/wine-session.sh" start "$session"
trap '"$root/tools/wine-session.sh" stop "$session" >/dev/null' EXIT
shots=$(mktemp -d)
"$root/tools/wine-run.sh" "$session" "$root/build/windows/bin/take_screenshots.exe" "Z:$shots"
for bmp in "$shots"/*.bmp; do
    /usr/bin/convert "$bmp" -strip "$root/docs/$(basename "${bmp%.bmp}").png"
done
rm -rf "$shots"
ls -l "$root"/docs/*.png
