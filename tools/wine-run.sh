#!/usr/bin/env bash
# Runs a Windows program inside the test session that wine-session.sh
# started (CMake's cross-compiling emulator).
#   wine-run.sh SESSION_DIR PROGRAM.exe [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-common.sh"
session=${1:?session folder}
shift
if [ ! -f "$session/env" ]; then
    echo "wine-run.sh: no Wine session in $session (run the wine_session_start test first)" >&2
    exit 1
fi
. "$session/env"
exec "$WINE" "$@"
