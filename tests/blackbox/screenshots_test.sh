#!/usr/bin/env bash
# Takes the README's screenshots again in the test session and compares each,
# pixel for pixel, with the one in docs/.
#   screenshots_test.sh SESSION_DIR TAKE_SCREENSHOTS.exe DOCS_DIR
set -uo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
session=${1:?session folder}
program=${2:?screenshot program}
docs=${3:?docs folder}
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
"$tools/wine-run.sh" "$session" "$program" "Z:$shots" 2>/dev/null || { echo "FAIL: no screenshots taken"; exit 1; }
failures=0
for shot in "$shots"/*.bmp; do
    name=$(basename "${shot%.bmp}")
    differing=$(compare -metric AE "$shot" "$docs/$name.png" null: 2>&1)
    if [ "$differing" != 0 ]; then
        echo "FAIL: docs/$name.png: $differing pixels differ"
        failures=$((failures + 1))
    fi
done
exit $failures
