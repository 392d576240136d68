#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing need,
# if any are missing.
set -euo pipefail

packages=(
    cmake make g++ libgtest-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine64 fonts-wine xvfb xserver-xephyr x11-utils imagemagick
    nsis python3 osslsigncode openssl clang
    softhsm2 libengine-pkcs11-openssl
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
