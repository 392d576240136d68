#!/usr/bin/env bash
# Records the first build, builds the program and its packages again from a
# copy of the sources in another folder, and checks that plumaro.exe and
# every package have the size and sha256 that the record gives them.
#   reproducible_test.sh SOURCE_DIR FIRST_BUILD_DIR WORK_DIR
set -uo pipefail
source=${1:?source folder}
first=${2:?first build folder}
work=${3:?work folder}
record=$work/first.buildinfo
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work/other sources"
"$source/packaging/buildinfo.sh" "$source" "$first" >"$record" || { echo "FAIL: no build record"; exit 1; }
# Python's standard library (zipfile): python3 needs it only through python3.11.
grep -q '^ libpython3\.[0-9]*-stdlib (= ' "$record" || fail "the record lacks what the tools need in turn"
# As deb-buildinfo(5) has it: a source package's name, the essential packages, three sums of each file.
grep -qx 'Source: [a-z0-9][a-z0-9+.-]*' "$record" && grep -q '^ sed (= ' "$record" &&
    [ "$(grep -c ' bin/plumaro.exe$' "$record")" -eq 3 ] || fail "the record is not laid out as deb-buildinfo(5) says"
tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$work/other sources" -xf - || exit 1
cmake -S "$work/other sources" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DPLUMARO_TESTS=OFF \
    --toolchain "$work/other sources/cmake/mingw-w64-x86_64.cmake" >"$work/build.log" 2>&1 &&
    cmake --build "$work/build" --target packages -j 2 >>"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log"; echo "FAIL: the second build failed"; exit 1; }

cd "$first" || exit 1
for file in bin/plumaro.exe packages/*.zip packages/*.exe; do
    recorded=$(awk -v file="$file" '$3 == file && length($1) == 64' "$record")
    rebuilt=" $(sha256sum <"$work/build/$file" | cut -d' ' -f1) $(stat -c %s "$work/build/$file") $file"
    if [ "$rebuilt" = "$recorded" ]; then
        echo "same:$rebuilt"
    else
        fail "$file rebuilt:$rebuilt; recorded:${recorded:- nothing}"
    fi
done
[ "$failures" -eq 0 ] && rm -rf "$work"
exit "$failures"
