#!/usr/bin/env bash
# Builds the release packages: the portable zip and the installer, under
# build/windows/packages, with a record of the build beside them
# (Plumaro-Puzzles-<version>.buildinfo), and prints their names, sizes and
# sha256 sums. When PLUMARO_SIGN_PFX names a certificate, it also makes
# signed packages under build/windows/packages/signed (see
# packaging/sign_file.sh for the variables).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/setup.sh"
cmake --preset windows >/dev/null

build=$root/build/windows
# shellcheck source=/dev/null
. "$build/generated/release-facts.sh"
. "$root/packaging/build-environment.sh"
cmake --build --preset windows --target packages -j "$(nproc)"
name=$PLUMARO_PACKAGE_NAME
cd "$build/packages"

# What made the bytes: the same commit built with the same versions of these
# Debian packages gives the same plumaro.exe, zip and installer.
{
    echo "$name build record"
    if commit=$(git -C "$root" rev-parse HEAD 2>/dev/null); then
        echo "source commit: $commit"
        if [ -z "$(git -C "$root" status --porcelain)" ]; then
            echo "source tree: clean"
        else
            echo "source tree: modified (uncommitted changes: these bytes belong to no commit)"
        fi
    else
        echo "source commit: unknown (not a git checkout)"
    fi
    echo "system: Debian $(cat /etc/debian_version 2>/dev/null || echo unknown), $(dpkg --print-architecture)"
    echo "toolchain packages:"
    dpkg-query -W -f='  ${Package} ${Version}\n' g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix-runtime \
        binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev nsis nsis-common cmake python3 zlib1g
    python=$(cat "$build/packaging/python.txt")
    echo "zip written by: $python ($("$python" --version 2>&1), zlib $("$python" -c 'import zlib; print(zlib.ZLIB_RUNTIME_VERSION)'))"
    echo "files, unsigned (bytes, sha256):"
    for file in "$build/bin/plumaro.exe" "$name-win64.zip" "$name-setup.exe"; do
        echo "  $(basename "$file") $(stat -c %s "$file") $(sha256sum <"$file" | cut -d' ' -f1)"
    done
} >"$name.buildinfo"

rm -rf signed
if [ -n "${PLUMARO_SIGN_PFX:-}" ]; then
    cmake --build "$build" --target signed_packages
fi
for package in "$name-win64.zip" "$name-setup.exe" "$name.buildinfo" signed/*; do
    if [ -f "$package" ]; then
        echo "$(stat -c %s "$package") bytes  $(sha256sum "$package")"
    fi
done
