#!/bin/sh
# Rebuilds every picture, icon, cursor and sound of the game, plus docs/contact-sheet.png, from assets/art.
#
# Needs these Debian 12 packages: python3 (standard library only), librsvg2-bin, imagemagick,
# fonts-urw-base35 (C059: numerals, captions, verdict texts), fonts-linuxlibertine (title lettering),
# fonts-dejavu-core (contact sheet labels).
# Usage: sh assets/generate.sh [step ...]   steps: birds board title result verdicts rules logo cursor
#        icons sound contact-sheet (default: all, contact sheet last)
set -eu
cd "$(dirname "$0")"
for font in C059 "Linux Libertine O" "DejaVu Sans"; do
    # A missing font would silently fall back to another face and change the pictures.
    if ! fc-list : family | grep -q "$font"; then
        echo "generate.sh: font '$font' is not installed (see the package list above)" >&2
        exit 1
    fi
done
ART_WORK=$(mktemp -d)
export ART_WORK
PYTHONDONTWRITEBYTECODE=1
export PYTHONDONTWRITEBYTECODE
trap 'rm -rf "$ART_WORK"' EXIT
/usr/bin/python3 art/build.py "$@"
