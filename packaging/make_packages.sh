#!/usr/bin/env bash
# Makes the two release packages of the game in OUT_DIR: the portable zip and
# the installer, each holding plumaro.exe and the files listed in
# runtime-files.txt (the zip also the player's README.txt).
#   make_packages.sh [--sign] OUT_DIR VERSION RELEASE_DATE PROGRAM README MAKENSIS PYTHON
# With --sign, plumaro.exe, the uninstaller and the installer are signed as
# sign_file.sh says. Either both packages are made or neither: on a failure
# it says why, exits non-zero and leaves no package in OUT_DIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runtime=$(cd "$here/../assets/runtime" && pwd)

sign=
if [ "${1:-}" = --sign ]; then
    sign=$here/sign_file.sh
    shift
    # Full paths: makensis signs from its script's folder.
    for variable in PLUMARO_SIGN_PFX PLUMARO_SIGN_PASSWORD_FILE; do
        [ -z "${!variable:-}" ] || export "$variable=$(realpath -m -- "${!variable}")"
    done
fi
if [ $# -ne 7 ]; then
    sed -n '2,8s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
out=$1 version=$2 date=$3 program=$4 readme=$5 makensis=$6 python=$7
mkdir -p "$out"
out=$(cd "$out" && pwd) # makensis works in its script's folder
name=Plumaro-Puzzles-$version
zip=$out/$name-win64.zip
setup=$out/$name-setup.exe
rm -f "$zip" "$setup"
work=$(mktemp -d "$out/.making.XXXXXX")
trap 'status=$?; rm -rf "$work"; [ $status -eq 0 ] || rm -f "$zip" "$setup"' EXIT

mapfile -t files < <(grep -v -e '^#' -e '^$' "$here/runtime-files.txt")

cp "$program" "$work/plumaro.exe"
[ -z "$sign" ] || "$sign" "$work/plumaro.exe"

pairs=("plumaro.exe=$work/plumaro.exe" "README.txt=$readme")
for file in "${files[@]}"; do
    pairs+=("$file=$runtime/$file")
done
"$python" "$here/make_zip.py" "$work/zip" "$name" "$date" "${pairs[@]}"

# The installer's two macros, from the same list: files by name, folders
# deepest first.
folders=$(for file in "${files[@]}"; do
    folder=$file
    while [ "${folder%/*}" != "$folder" ]; do
        folder=${folder%/*}
        echo "$folder"
    done
done | sort -u)
{
    echo '!macro InstallRuntimeFiles'
    for folder in $folders; do echo "    CreateDirectory \"\$INSTDIR\\${folder//\//\\}\""; done
    for file in "${files[@]}"; do
        echo "    File \"/oname=\$INSTDIR\\${file//\//\\}\" \"\${RUNTIME_DIR}\\${file//\//\\}\""
    done
    echo '!macroend'
    echo '!macro RemoveRuntimeFiles'
    for file in "${files[@]}"; do echo "    Delete \"\$INSTDIR\\${file//\//\\}\""; done
    for folder in $(echo "$folders" | sort -r); do echo "    RMDir \"\$INSTDIR\\${folder//\//\\}\""; done
    echo '!macroend'
} >"$work/runtime-files.nsh"

"$makensis" -V2 -DVERSION="$version" -DPROGRAM="$work/plumaro.exe" -DRUNTIME_DIR="$runtime" \
    -DRUNTIME_FILES="$work/runtime-files.nsh" ${sign:+"-DSIGN_FILE=$sign"} -DOUT_FILE="$work/setup" \
    "$here/installer.nsi"

mv "$work/zip" "$zip"
mv "$work/setup" "$setup"
