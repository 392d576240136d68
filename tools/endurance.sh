#!/usr/bin/env bash
# Runs the long-play tests at full length in a private Wine session of
# their own: 100 finished games and 100 help windows for memory, and a
# 20000-event soak (or the counts given).
#   tools/endurance.sh [SOAK_EVENTS [LEAK_CYCLES [SOAK_SEED]]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target endurance_tests
session="$root/build/windows/endurance-session"
trap '"$root/tools/wine-session.sh" stop "$session"' EXIT
"$root/tools/wine-session.sh" start "$session" >/dev/null
export PLUMARO_SOAK_EVENTS=${1:-20000} PLUMARO_LEAK_CYCLES=${2:-100}
# A new sequence each time unless a seed is given; the test prints it.
export PLUMARO_SOAK_SEED=${3:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
cd "$root/build/windows/bin"
"$root/tools/wine-run.sh" "$session" ./endurance_tests.exe 2>&1 | grep -v '^ALSA lib'
