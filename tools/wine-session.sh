#!/usr/bin/env bash
# Starts or stops the private Wine session that the Windows tests run in:
# its own X display, a fresh copy of a ready prefix, a running wineserver.
#   wine-session.sh start DIR   writes DIR/env for wine-run.sh to read
#   wine-session.sh stop DIR    ends every process of the session
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-common.sh"

cmd=${1:?start or stop}
dir=${2:?session folder}

stop_session() {
    [ -f "$dir/env" ] || return 0
    (
        . "$dir/env"
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
    )
    [ -f "$dir/xvfb.pid" ] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
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
    display=$(start_xvfb "$dir/xvfb.pid")
    cat >"$dir/env" <<ENV
export DISPLAY=$display
export WINEPREFIX=$dir/prefix
export HOME=$dir/home
# Tests that change the desktop's settings run only where this is set.
export PLUMARO_PRIVATE_WINE_SESSION=1
ENV
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
