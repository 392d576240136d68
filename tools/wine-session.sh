#!/usr/bin/env bash
# Starts or stops the private Wine session that the Windows tests run in:
# its own X display, a fresh copy of a ready prefix, a running wineserver.
#   wine-session.sh start DIR   writes DIR/env for wine-run.sh to read
#   wine-session.sh start DIR two-monitors
#                               the same with two monitors side by side: a
#                               1024 x 768 primary and a 1280 x 1024 one
#   wine-session.sh stop DIR    ends every process of the session
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-common.sh"

cmd=${1:?start or stop}
dir=${2:?session folder}
monitors=${3:-one-monitor}

stop_session() {
    [ -f "$dir/env" ] || return 0
    (
        . "$dir/env"
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
    )
    for server in xephyr xvfb; do
        [ -f "$dir/$server.pid" ] && kill "$(cat "$dir/$server.pid")" 2>/dev/null || true
    done
    rm -rf "$dir"
}

case $cmd in
start)
    stop_session
    template="$(dirname "$dir")/../wine-template"
    make_wine_template "$template" yes
    mkdir -p "$dir"
    cp -a "$template/prefix" "$dir/prefix"
    mkdir -p "$dir/home"
    if [ "$monitors" = two-monitors ]; then
        # Plain Xvfb cannot show Wine two monitors; Xephyr nested in it can,
        # for Wine's X11 driver without XRandR and without a virtual desktop.
        display=$(SCREEN_SIZE=2304x1024 start_xvfb "$dir/xvfb.pid")
        display=$(DISPLAY=$display start_x_server "$dir/xephyr.pid" Xephyr +xinerama \
            -screen 1024x768 -screen 1280x1024)
        export WINEPREFIX="$dir/prefix" HOME="$dir/home" DISPLAY=$display
        "$WINE" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f </dev/null >/dev/null 2>&1
        "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
    else
        display=$(start_xvfb "$dir/xvfb.pid")
    fi
    cat >"$dir/env" <<ENV
export DISPLAY=$display
export WINEPREFIX=$dir/prefix
export HOME=$dir/home
# Tests that change the desktop's settings run only where this is set.
export PLUMARO_PRIVATE_WINE_SESSION=1
ENV
    # And tests that need two monitors only where this is.
    [ "$monitors" = two-monitors ] && echo "export PLUMARO_TWO_MONITORS=1" >>"$dir/env"
    . "$dir/env"
    # Started detached, so that no Wine process holds on to CTest's pipes.
    setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
    echo "Wine session ready on display $display"
    ;;
stop)
    stop_session
    echo "Wine session stopped"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
