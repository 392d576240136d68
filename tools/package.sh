#!/usr/bin/env bash
# Builds the release packages: the portable zip and the installer, under
# build/windows/packages, with a record of the build beside them
# (Plumaro-Puzzles-<version>.buildinfo, see packaging/buildinfo.sh), and
# prints their names, sizes and sha256 sums. When PLUMARO_SIGN_PFX or the
# PLUMARO_SIGN_PKCS11_* variables name a key, it also makes signed packages under
# build/windows/packages/signed (see packaging/sign_file.sh for the
# variables), and the record holds their sums too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/setup.sh"
cmake --preset windows >/dev/null

build=$root/build/windows
# shellcheck source=/dev/null
. "$build/generated/release-facts.sh"
. "$root/packaging/build-environment.sh"
name=$PLUMARO_PACKAGE_NAME
# No record or signed package from an earlier run survives a failed one.
rm -rf "$build/packages/$name.buildinfo" "$build/packages/signed"
cmake --build --preset windows --target packages -j "$(nproc)"
if [ -n "${PLUMARO_SIGN_PFX:-}${PLUMARO_SIGN_PKCS11_MODULE:-}${PLUMARO_SIGN_PKCS11_KEY:-}${PLUMARO_SIGN_CERT:-}" ]; then
    cmake --build "$build" --target signed_packages
fi

cd "$build/packages"
"$root/packaging/buildinfo.sh" "$root" "$build" >"$name.buildinfo.new" || { rm -f "$name.buildinfo.new"; exit 1; }
mv "$name.buildinfo.new" "$name.buildinfo"
for package in "$name-win64.zip" "$name-setup.exe" "$name.buildinfo" signed/*; do
    if [ -f "$package" ]; then
        echo "$(stat -c %s "$package") bytes  $(sha256sum "$package")"
    fi
done
