#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the native
# Linux tests, then the Windows tests under Wine. Exits non-zero if any
# build or test fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/tools/setup.sh" || exit 1

status=0
for preset in native windows; do
    echo "=== $preset: configure, build, test"
    if cmake --preset "$preset" >/dev/null &&
        cmake --build --preset "$preset" -j "$(nproc)" &&
        ctest --preset "$preset"; then
        echo "=== $preset: all passed"
    else
        echo "=== $preset: FAILED"
        status=1
    fi
done
exit $status
