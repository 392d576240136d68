#!/usr/bin/env bash
# Prints the record of a build of the release packages, a .buildinfo file
# as Debian's deb-buildinfo(5) lays it out: what anyone needs to build the
# same bytes again (the commit, the Debian packages installed, the
# environment, the programs that ran) and the size and sums of every file
# the build made, signed packages included when there are any.
#   buildinfo.sh SOURCE_DIR BUILD_DIR
# BUILD_DIR is a build of the windows preset whose target packages is made.
# It fails, saying why, if a package is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 2 ]; then
    sed -n '2,9s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
source=$1 build=$(cd "$2" && pwd)
# shellcheck source=/dev/null
. "$build/generated/release-facts.sh"
. "$here/build-environment.sh"
name=$PLUMARO_PACKAGE_NAME
files=(bin/plumaro.exe "packages/$name-win64.zip" "packages/$name-setup.exe")
signed=
if [ -n "$(ls -A "$build/packages/signed" 2>/dev/null)" ]; then
    signed=1
    files+=("packages/signed/$name-win64.zip" "packages/signed/$name-setup.exe")
fi
for file in "${files[@]}"; do
    [ -f "$build/$file" ] || { echo "buildinfo.sh: the build has no $file" >&2; exit 1; }
done

# The Debian packages that make the bytes: these, the essential ones (bash,
# coreutils, sed and the others the scripts run) and everything they need.
roots=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev nsis cmake make python3 zlib1g)
[ -z "$signed" ] || roots+=(osslsigncode)
mapfile -t -O ${#roots[@]} roots < <(dpkg-query -W -f '${Package}\t${Essential}\n' | sed -n 's/\tyes$//p')

# installed_closure PACKAGE...: "name (= version)" of each installed
# package that one of these needs through Depends or Pre-Depends, directly or
# through others, themselves included. Of alternatives (a | b) and of the
# packages providing a virtual one, every one installed counts; of a
# package installed for several architectures, the one of the package that
# needs it (the machine's own for an architecture-independent one), unless
# only others are there.
installed_closure() {
    local -A version needs candidates seen
    local package arch status item alternative wanted name
    local -a queue provided items
    while IFS=$'\t' read -r package arch status version_ depends provides; do
        [[ $status == *" installed" ]] || continue
        version[$package:$arch]=$version_
        needs[$package:$arch]=$depends
        IFS=, read -ra provided <<<"$provides"
        for item in "$package" "${provided[@]}"; do
            read -r item _ <<<"$item" # the name, without "(= version)"
            [ -z "$item" ] || candidates[$item]+=" $package:$arch"
        done
    done < <(dpkg-query -W -f '${Package}\t${Architecture}\t${Status}\t${Version}\t${Depends}, ${Pre-Depends}\t${Provides}\n')
    for package in "$@"; do
        [ -n "${candidates[$package]:-}" ] || { echo "buildinfo.sh: $package is not installed" >&2; return 1; }
        queue+=(${candidates[$package]})
    done
    while [ ${#queue[@]} -gt 0 ]; do
        package=${queue[-1]}
        unset 'queue[-1]'
        [ -z "${seen[$package]:-}" ] || continue
        seen[$package]=1
        wanted=${package#*:}
        [ "$wanted" != all ] || wanted=$(dpkg --print-architecture)
        IFS=',|' read -ra items <<<"${needs[$package]}"
        for item in "${items[@]}"; do
            read -r item _ <<<"$item" # without "(>= version)"
            item=${item%%:*}          # without ":any"
            [ -n "$item" ] || continue
            for alternative in ${candidates[$item]:-}; do
                arch=${alternative#*:}
                if [ "$arch" = "$wanted" ] || [ "$arch" = all ] || [[ ${candidates[$item]} != *":$wanted"* ]]; then
                    queue+=("$alternative")
                fi
            done
        done
    done
    # "name:arch" only for a foreign architecture.
    wanted=$(dpkg --print-architecture)
    for package in "${!seen[@]}"; do
        [[ $package == *":$wanted" || $package == *:all ]] && name=${package%:*} || name=$package
        echo "$name (= ${version[$package]})"
    done | sort
}

# The programs that ran, each with its version, then the Debian package
# each came from: add_tool PATH VERSION, then print_tools.
tool_paths=() tool_versions=()
add_tool() {
    tool_paths+=("$(realpath "$1")")
    tool_versions+=("$2")
}
print_tools() {
    local -A owners
    local line i owner
    while read -r line; do
        owners[${line#*: }]=${line%%: *}
    done < <(dpkg-query -S "${tool_paths[@]}" 2>/dev/null)
    for i in "${!tool_paths[@]}"; do
        owner=${owners[${tool_paths[$i]}]:-}
        if [ -n "$owner" ]; then
            owner="$owner $(dpkg-query -W -f '${Version}' "$owner")"
        else
            owner="from no Debian package"
        fi
        echo " ${tool_paths[$i]}: ${tool_versions[$i]} [$owner]"
    done
}
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
compiler() {
    command -v "$(sed -n "s/^set(CMAKE_$1_COMPILER \"\(.*\)\")\$/\1/p" "$build"/CMakeFiles/*/"CMake$1Compiler.cmake")"
}
first_line() { "$@" 2>&1 | head -1; }

echo "Format: 1.0"
# A Debian source name: lower-case letters, digits, + - and . only.
echo "Source: $(echo "$PLUMARO_PRODUCT_NAME" | tr '[:upper:]' '[:lower:]' | sed 's/[^a-z0-9+.-]\{1,\}/-/g')"
# Windows x64 files, which no Debian architecture names: the same bytes on
# any Debian architecture that builds them.
echo "Architecture: all"
echo "Version: $PLUMARO_VERSION"
if commit=$(git -C "$source" rev-parse HEAD 2>/dev/null); then
    echo "Source-Commit: $commit"
    if [ -z "$(git -C "$source" status --porcelain)" ]; then
        echo "Source-Tree: clean"
    else
        echo "Source-Tree: modified (uncommitted changes: these bytes belong to no commit)"
    fi
else
    echo "Source-Commit: unknown (not a git checkout)"
fi
echo "Build-Origin: Debian $(cat /etc/debian_version 2>/dev/null || echo unknown)"
echo "Build-Architecture: $(dpkg --print-architecture)"
echo "Build-Path: $build"
echo "Environment:"
for variable in "${plumaro_build_environment[@]}"; do
    value=${!variable}
    echo " $variable=\"${value//\\/\\\\}\""
done
echo "Build-Tools:"
for program in "$(compiler C)" "$(compiler CXX)" "$(compiler RC)" "$(cached CMAKE_LINKER)" "$(cached CMAKE_AR)" \
    "$(cached CMAKE_MAKE_PROGRAM)" "$(cached CMAKE_COMMAND)"; do
    add_tool "$program" "$(first_line "$program" --version)"
done
add_tool "$(cached MAKENSIS)" "makensis $("$(cached MAKENSIS)" -VERSION)"
# The Python that wrote the zip, and the zlib that compressed it.
python=$(cat "$build/packaging/python.txt")
add_tool "$(cd "$build/packaging" && "$python" -c 'import sys; print(sys.executable)')" \
    "$(cd "$build/packaging" && "$python" -c 'import sys, zlib; print("Python", sys.version.split()[0] + ", zlib", zlib.ZLIB_RUNTIME_VERSION)')"
if [ -n "$signed" ]; then
    osslsigncode=$(command -v osslsigncode)
    add_tool "$osslsigncode" "$(first_line "$osslsigncode" --version | sed 's/, using:$//')"
fi
print_tools
echo "Installed-Build-Depends:"
installed_closure "${roots[@]}" | sed '$!s/$/,/; s/^/ /'
for sum in Md5 Sha1 Sha256; do
    echo "Checksums-$sum:"
    for file in "${files[@]}"; do
        echo " $("$(echo "$sum" | tr '[:upper:]' '[:lower:]')sum" <"$build/$file" | cut -d' ' -f1) $(stat -c %s "$build/$file") $file"
    done
done
