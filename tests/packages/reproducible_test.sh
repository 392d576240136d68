#!/usr/bin/env bash
# Builds the program and its packages again from a copy of the sources in
# another folder, and checks that plumaro.exe and every package are
# byte-identical to the first build's.
#   reproducible_test.sh SOURCE_DIR FIRST_BUILD_DIR WORK_DIR
set -uo pipefail
source=${1:?source folder}
first=${2:?first build folder}
work=${3:?work folder}

rm -rf "$work"
mkdir -p "$work/other sources"
tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$work/other sources" -xf - || exit 1
cmake -S "$work/other sources" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DPLUMARO_TESTS=OFF \
    --toolchain "$work/other sources/cmake/mingw-w64-x86_64.cmake" >"$work/build.log" 2>&1 &&
    cmake --build "$work/build" --target packages -j 2 >>"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log"; echo "FAIL: the second build failed"; exit 1; }

failures=0
cd "$first" || exit 1
for file in bin/plumaro.exe packages/*.zip packages/*.exe; do
    if cmp -s "$first/$file" "$work/build/$file"; then
        echo "same: $file $(sha256sum <"$first/$file" | cut -d' ' -f1)"
    else
        echo "FAIL: $file differs between the two builds"
        failures=$((failures + 1))
    fi
done
[ -e "$work/build/packages" ] || { echo "FAIL: the second build made no packages"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && rm -rf "$work"
exit "$failures"
