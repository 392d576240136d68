#!/usr/bin/env bash
# Measures plumaro.exe against the floor programs of tools/bench in a private
# Wine session: prints a table of medians and writes build/bench.json.
#   tools/bench.sh [RUNS [GAME.exe [DPI...]]]
# RUNS: alternating runs (15 unless told otherwise); GAME.exe: another build
# of the game to measure (with its run-time files beside it), e.g. an older
# one; DPI: the scales to measure at (96 and 192 unless told otherwise; an
# older build that knows only 100 % is measured at 96).
# Needs the build tools, Wine and Xvfb (tools/setup.sh installs what is missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/setup.sh"
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench -j "$(nproc)" >/dev/null
session="$root/build/windows/bench-session"
"$root/tools/wine-session.sh" start "$session" >/dev/null
trap '"$root/tools/wine-session.sh" stop "$session" >/dev/null' EXIT
machine="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1), $(nproc) cores, $(uname -sr), $(/usr/lib/wine/wine64 --version)"
game=("Z:$root/build/windows/bin/plumaro.exe")
[ $# -ge 2 ] && game=("Z:$(realpath "$2")" "${@:3}")
# Wine's sound driver complains on stderr when the machine has no sound card.
"$root/tools/wine-run.sh" "$session" "$root/build/windows/bin/bench.exe" "Z:$root/build/bench.json" "${1:-15}" \
    "$machine" "$(date -u '+%Y-%m-%d %H:%M UTC')" "${game[@]}" 2> >(grep -v '^ALSA lib' >&2)
