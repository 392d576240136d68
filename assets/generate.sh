#!/bin/sh
# Rebuilds every picture, icon, cursor and sound of the game, plus docs/contact-sheet.png, from assets/art.
#
# Needs these Debian 12 packages: python3 (standard library only), librsvg2-bin, imagemagick,
# fonts-urw-base35 (C059 lettering), fonts-linuxlibertine (title lettering).
# Usage: sh assets/generate.sh [step ...]   (steps are listed in art/build.py; default: all)
set -eu
cd "$(dirname "$0")"
ART_WORK=$(mktemp -d)
export ART_WORK
PYTHONDONTWRITEBYTECODE=1
export PYTHONDONTWRITEBYTECODE
trap 'rm -rf "$ART_WORK"' EXIT
/usr/bin/python3 art/build.py "$@"
