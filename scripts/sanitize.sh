#!/bin/sh
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer (gcc) into
# build-sanitize/ and runs every test there. Any finding fails its test.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-sanitize"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBOARD_SUITE_SANITIZE=ON >/dev/null
fi
cmake --build "$build"
cd "$build"
export UBSAN_OPTIONS="print_stacktrace=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)"
