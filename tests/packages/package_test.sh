#!/usr/bin/env bash
# Tries a release package the way a player uses it, in a fresh private Wine
# session of its own.
#   package_test.sh zip SESSION_DIR PACKAGE.zip PLAYER.exe MARKER.dll
#       unpacks into a folder whose path has spaces and non-ASCII letters,
#       then plays the game from there with libraries planted beside it
#   package_test.sh setup SESSION_DIR PACKAGE-setup.exe PLAYER.exe FACTS SIGNED-setup.exe CA.pem TSA-CA.pem
#                   TOKEN-SIGNED-setup.exe
#       installs silently, checks files, shortcut and uninstall entry,
#       installs the signed ones over it, checks signatures and timestamps, plays the
#       installed game from its shortcut, runs the setup and the uninstaller while
#       it runs, then uninstalls silently and checks that nothing is left
# Every failed check prints what is wrong; the exit code counts them.
set -uo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
. "$tools/wine-common.sh"

kind=${1:?zip or setup}
session=${2:?session folder}
package=${3:?package}
player=${4:?player program}
facts=${5:-}
signed_package=${6:-}
ca_file=${7:-}
tsa_ca_file=${8:-}
token_signed_package=${9:-}
marker=${5:-} # zip: the library to plant
# The second word of each line of the list: the path.
mapfile -t runtime_files < <(sed -n 's/^[^#][^ ]* //p' "$tools/../packaging/runtime-files.txt")
window_icon=$(sed -n 's/^windowIcon //p' "$tools/../packaging/runtime-files.txt")
if [ "$kind" = setup ]; then
    # shellcheck source=/dev/null
    . "$facts"
fi

# Wine reads non-ASCII paths correctly only in a UTF-8 locale.
export LC_ALL=C.UTF-8
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"$tools/wine-session.sh" start "$session" >/dev/null || { echo "FAIL: no Wine session"; exit 1; }
trap '"$tools/wine-session.sh" stop "$session" >/dev/null' EXIT
. "$session/env"

wine() { "$WINE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
windows_path() { wine winepath -w "$1"; }
unix_path() { wine winepath -u "$1"; }
folder_of() { unix_path "$(wine cmd /c echo "%$1%")"; }
play() {
    "$tools/wine-run.sh" "$session" "$player" "$@" </dev/null || fail "playing the game: $*"
}

check_zip() {
    local unpacked="$WINEPREFIX/drive_c/Spiele für Vögel/Plumaro Ärger" top
    mkdir -p "$unpacked"
    (cd "$unpacked" && cmake -E tar xf "$package") || fail "cannot unpack $package"
    top="$unpacked/$(basename "$package" -win64.zip)"
    for file in plumaro.exe README.txt "${runtime_files[@]}"; do
        [ -s "$top/$file" ] || fail "the zip holds no $file in its top folder"
    done
    [ "$(find "$unpacked" -type f | wc -l)" -eq $((2 + ${#runtime_files[@]})) ] || fail "the zip holds other files: $(cd "$unpacked" && find . -type f)"
    grep -q $'[^\r]$' "$top/README.txt" && fail "README.txt has lines without Windows line ends"
    # Under the names of what the game and the system for it load, but KnownDLLs and Wine's own (see app/main.cpp),
    # preferred to Wine's, as Windows prefers any library beside a program that is not a KnownDLL: none is loaded.
    for dll in comctl32 mmdevapi msacm32 oleacc uiautomationcore uxtheme winmm; do
        cp "$marker" "$top/$dll.dll"
        wine reg add 'HKCU\Software\Wine\AppDefaults\plumaro.exe\DllOverrides' /v $dll /d native,builtin /f >/dev/null
    done
    play "$(windows_path "$top/plumaro.exe")"
    [ -z "$(find "$top" -name '*.loaded')" ] || fail "the game loaded $(cd "$top" && echo *.loaded)"
}

uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${PLUMARO_PRODUCT_NAME:-}"

# registry_value NAME: the value's data as reg query prints it.
registry_value() {
    wine reg query "$uninstall_key" /v "$1" | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

check_entry() {
    local folder=$1 name expected actual size
    while IFS='|' read -r name expected; do
        actual=$(registry_value "$name")
        [ "$actual" = "$expected" ] || fail "uninstall entry $name is '$actual', not '$expected'"
    done <<VALUES
DisplayName|$PLUMARO_PRODUCT_NAME
DisplayVersion|$PLUMARO_VERSION
Publisher|$PLUMARO_PUBLISHER
URLInfoAbout|$PLUMARO_WEB_ADDRESS
DisplayIcon|$folder\\plumaro.exe,0
InstallLocation|$folder
UninstallString|"$folder\\uninstall.exe"
QuietUninstallString|"$folder\\uninstall.exe" /S
NoModify|0x1
NoRepair|0x1
VALUES
    size=$(registry_value EstimatedSize)
    [ -n "$size" ] && [ $((size)) -gt 500 ] || fail "uninstall entry EstimatedSize is '$size' KB, below the program's size"
}

# carries_icon_and_version EXE ICON: true if every image of the icon and the
# version text are among the program's resources.
carries_icon_and_version() {
    python3 - "$1" "$2" "$PLUMARO_VERSION" <<'PY'
import struct, sys
exe, ico = (open(name, "rb").read() for name in sys.argv[1:3])
count = struct.unpack_from("<H", ico, 4)[0]
images = [ico[start:start + size] for size, start in (struct.unpack_from("<II", ico, 14 + 16 * i) for i in range(count))]
sys.exit(0 if all(image in exe for image in images) and sys.argv[3].encode("utf-16-le") in exe else 1)
PY
}

count_installed() {
    local entries shortcuts
    entries=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' | grep -c -F "$PLUMARO_PRODUCT_NAME")
    shortcuts=$(find "$start_menu" -iname '*plumaro*' | wc -l)
    [ "$entries" -eq 1 ] || fail "$entries uninstall entries after installing again, not one"
    [ "$shortcuts" -eq 1 ] || fail "$shortcuts Start-menu shortcuts after installing again, not one"
}

# install [PACKAGE]: runs the installer silently and waits until it has
# written the entry's size, its last step (Wine may return a moment before).
install() {
    wine reg delete "$uninstall_key" /v EstimatedSize /f >/dev/null
    wine "${1:-$package}" /S
    for _ in $(seq 50); do
        [ -n "$(registry_value EstimatedSize)" ] && return
        sleep 0.2
    done
}

check_setup() {
    local programs folder shortcut
    grep -q 'level="asInvoker"' "$package" || fail "the installer asks for administrator rights"
    programs="$(folder_of LOCALAPPDATA)/Programs"
    installed="$programs/$PLUMARO_PRODUCT_NAME"
    start_menu="$(folder_of APPDATA)/Microsoft/Windows/Start Menu/Programs"
    shortcut="$start_menu/$PLUMARO_PRODUCT_NAME.lnk"

    install
    for file in plumaro.exe "${runtime_files[@]}" uninstall.exe; do
        [ -s "$installed/$file" ] || fail "no $file in $installed"
    done
    [ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
    for exe in "$package" "$installed/uninstall.exe"; do
        carries_icon_and_version "$exe" "$installed/$window_icon" ||
            fail "$(basename "$exe") lacks the game's icon or version $PLUMARO_VERSION"
    done
    folder=$(windows_path "$installed")
    folder=${folder%\\}
    check_entry "$folder"

    install "$signed_package"
    count_installed
    check_entry "$folder"
    for exe in plumaro.exe uninstall.exe; do
        osslsigncode verify -CAfile "$ca_file" -TSA-CAfile "$tsa_ca_file" -in "$installed/$exe" |
            grep '^Timestamp Server Signature verification: ok' >/dev/null || fail "the installed $exe is not signed and timestamped"
    done
    install "$token_signed_package"
    osslsigncode verify -CAfile "$ca_file" -TSA-CAfile "$tsa_ca_file" -in "$installed/uninstall.exe" |
        grep '^Timestamp Server Signature verification: ok' >/dev/null || fail "the token-signed uninstaller has no timestamp"
    # Also run the setup and the uninstaller while the game runs.
    play "$folder\\plumaro.exe" "$(windows_path "$shortcut")" "$(windows_path "$package")"

    # The uninstaller returns at once and works from a copy of itself.
    wine "$installed/uninstall.exe" /S
    for _ in $(seq 150); do
        [ ! -e "$installed" ] && [ ! -e "$shortcut" ] && ! wine reg query "$uninstall_key" >/dev/null && break
        sleep 0.2
    done
    [ ! -e "$installed" ] || fail "the uninstaller left $installed: $(find "$installed")"
    [ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut $shortcut"
    wine reg query "$uninstall_key" >/dev/null && fail "the uninstaller left the key $uninstall_key"
    [ -z "$(find "$start_menu" -iname '*plumaro*')" ] || fail "the uninstaller left $(find "$start_menu" -iname '*plumaro*')"
}

case $kind in
zip) check_zip ;;
setup) check_setup ;;
*) echo "usage: $0 zip|setup SESSION PACKAGE PLAYER [FACTS SIGNED CA TSA-CA]" >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ] && echo "all checks passed"
exit "$failures"
