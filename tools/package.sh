#!/usr/bin/env bash
# Builds the release packages: the portable zip and the installer, under
# build/windows/packages, and prints their names, sizes and sha256 sums.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/setup.sh"
cmake --preset windows >/dev/null
cmake --build --preset windows --target packages -j "$(nproc)"
cd build/windows/packages
for package in *; do
    echo "$(stat -c %s "$package") bytes  $(sha256sum "$package")"
done
