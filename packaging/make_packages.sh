#!/usr/bin/env bash
# Makes the two release packages of the game in OUT_DIR: the portable zip and
# the installer, each holding plumaro.exe and the files listed in
# runtime-files.txt (the zip also the player's README.txt).
#   make_packages.sh [--sign] OUT_DIR FACTS PROGRAM README MAKENSIS PYTHON
# FACTS is the build's release-facts.sh: the names, version and date, and
# the folder of the run-time files.
# With --sign, plumaro.exe, the uninstaller and the installer are signed as
# sign_file.sh says. Either both packages are made or neither: on a failure
# it says why, exits non-zero and leaves no package in OUT_DIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

sign=
if [ "${1:-}" = --sign ]; then
    sign=$here/sign_file.sh
    shift
    # Full paths: makensis signs from its script's folder.
    for variable in PLUMARO_SIGN_PFX PLUMARO_SIGN_PASSWORD_FILE PLUMARO_SIGN_PKCS11_MODULE PLUMARO_SIGN_CERT; do
        [ -z "${!variable:-}" ] || export "$variable=$(realpath -m -- "${!variable}")"
    done
fi
if [ $# -ne 6 ]; then
    sed -n '2,10s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
out=$1 facts=$2 program=$3 readme=$4 makensis=$5 python=$6
# shellcheck source=/dev/null
. "$facts"
. "$here/build-environment.sh"
# The signing script names the game and its site in the signature.
export PLUMARO_PRODUCT_NAME PLUMARO_WEB_ADDRESS
runtime=$PLUMARO_RUNTIME_DIR
mkdir -p "$out"
out=$(cd "$out" && pwd)
name=$PLUMARO_PACKAGE_NAME
zip=$out/$name-win64.zip
setup=$out/$name-setup.exe
rm -f "$zip" "$setup"
work=$(mktemp -d "$out/.making.XXXXXX")
trap 'status=$?; rm -rf "$work"; [ $status -eq 0 ] || rm -f "$zip" "$setup"' EXIT

# The second word of each line of the list: the path.
mapfile -t files < <(sed -n 's/^[^#][^ ]* //p' "$here/runtime-files.txt")

cp "$program" "$work/plumaro.exe"
[ -z "$sign" ] || "$sign" "$work/plumaro.exe"

pairs=("plumaro.exe=$work/plumaro.exe" "README.txt=$readme")
for file in "${files[@]}"; do
    pairs+=("$file=$runtime/$file")
done
"$python" "$here/make_zip.py" "$work/zip" "$name" "$PLUMARO_RELEASE_DATE" "${pairs[@]}"

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
    echo '!macroend'
    echo '!macro RemoveRuntimeFolders'
    for folder in $(echo "$folders" | sort -r); do echo "    RMDir \"\$INSTDIR\\${folder//\//\\}\""; done
    echo '!macroend'
} >"$work/runtime-files.nsh"

# makensis cannot quote a path that holds a quote, and runs the sign command
# through the shell: it gets only names inside the work folder, where it
# runs, so that any checkout or output folder will do.
ln -s "$runtime" "$work/runtime"
ln -s "$here/installer.nsi" "$work/installer.nsi"
[ -z "$sign" ] || ln -s "$sign" "$work/sign_file.sh"
window_icon=$(sed -n 's/^windowIcon //p' "$here/runtime-files.txt")
(cd "$work" && "$makensis" -NOCD -V2 -DVERSION="$PLUMARO_VERSION" -DPRODUCT_NAME="$PLUMARO_PRODUCT_NAME" \
    -DPUBLISHER="$PLUMARO_PUBLISHER" -DWEB_ADDRESS="$PLUMARO_WEB_ADDRESS" -DBOARD_CLASS="$PLUMARO_BOARD_CLASS" \
    -DPROGRAM=plumaro.exe -DRUNTIME_DIR=runtime \
    -DWINDOW_ICON="${window_icon//\//\\}" -DRUNTIME_FILES=runtime-files.nsh ${sign:+-DSIGN_FILE=./sign_file.sh} \
    -DOUT_FILE=setup installer.nsi)

mv "$work/zip" "$zip"
mv "$work/setup" "$setup"
