# Shared by the play, test and Wine session scripts: where Wine lives, how a
# private prefix is made, and how a private X display is started.
# shellcheck shell=bash

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# Quiet Wine, no Mono or Gecko installers, no desktop menu entries.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# The private display and virtual desktop: large enough for the board at
# 200 % (about 1170 x 1010 pixels with its frame).
SCREEN_SIZE=1600x1200

# make_wine_template DIR yes|no: a ready 64-bit prefix with Wine's own fonts,
# and with a virtual desktop of SCREEN_SIZE if asked, made once and then copied.
make_wine_template() {
    local dir=$1 desktop=$2
    [ -f "$dir/.ready" ] && return 0
    rm -rf "$dir" "$dir.tmp"
    mkdir -p "$dir.tmp/home"
    (
        export WINEPREFIX="$dir.tmp/prefix" HOME="$dir.tmp/home"
        unset DISPLAY
        "$WINE" wineboot -i </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
        # Debian's wine64 does not find its own fonts; without them every
        # face falls back to DejaVu and caption buttons show letters.
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        if [ "$desktop" = yes ]; then
            # Wine then draws real captions and frames without a window manager.
            "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
            "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$SCREEN_SIZE" /f </dev/null >/dev/null 2>&1
        fi
        "$WINESERVER" -w
    ) || return 1
    touch "$dir.tmp/.ready"
    mv "$dir.tmp" "$dir"
}

# start_x_server PIDFILE SERVER [OPTIONS...]: starts a private X server and
# prints its display (":N").
start_x_server() {
    local pidfile=$1 numfile
    shift
    numfile=$(mktemp)
    setsid "$@" -displayfd 3 -nolisten tcp 3>"$numfile" </dev/null >/dev/null 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 100); do
        [ -s "$numfile" ] && break
        sleep 0.1
    done
    [ -s "$numfile" ] || { rm -f "$numfile"; return 1; }
    echo ":$(head -n1 "$numfile")"
    rm -f "$numfile"
}

# start_xvfb PIDFILE: starts a private Xvfb of SCREEN_SIZE and prints its
# display.
start_xvfb() { start_x_server "$1" Xvfb -screen 0 "${SCREEN_SIZE}x24"; }
