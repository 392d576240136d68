#!/usr/bin/env bash
# Runs the black-box tests that need two monitors, in a private Wine session
# of their own that has two (tools/wine-session.sh start DIR two-monitors).
#   two_monitors_test.sh SESSION_DIR BLACKBOX_TESTS.exe
set -euo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
session=${1:?session folder}
tests=${2:?black-box test program}
"$tools/wine-session.sh" start "$session" two-monitors >/dev/null
trap '"$tools/wine-session.sh" stop "$session" >/dev/null' EXIT
"$tools/wine-run.sh" "$session" "$tests" --gtest_filter='*OnTwoMonitors*'
