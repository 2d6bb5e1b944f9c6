#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz/ (sanitizers on) and runs each one
# for SECONDS (default 4) through ctest.   scripts/fuzz.sh [SECONDS]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-4}
build="$top/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DBOARD_SUITE_FUZZ=ON -DBOARD_SUITE_TESTS=OFF -DBOARD_SUITE_BENCH=OFF -DFUZZ_SECONDS="$seconds" >/dev/null
else
    cmake "$build" -DFUZZ_SECONDS="$seconds" >/dev/null
fi
cmake --build "$build" --target fuzzers
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -V -R '^fuzz_' >fuzz.log 2>&1 || status=$?
# The number of inputs each fuzzer survived, from libFuzzer's last line.
awk '/Test command: .*_fuzzer / { n = $0; sub(/_fuzzer .*/, "", n); sub(/.*\//, "", n) }
     /#[0-9]+[ \t]+DONE/ { for (i = 1; i <= NF; i++) { if ($i ~ /^#/) c = substr($i, 2); if ($i == "exec/s:") r = $(i + 1) }
                           printf "fuzz: %-13s survived %s inputs (%s a second)\n", n, c, r }' fuzz.log
if [ "${status:-0}" -ne 0 ]; then
    grep -E 'ERROR|SUMMARY|malformed|deadly|Test.*Failed|disagrees|fail' fuzz.log | head -40
    echo "fuzz: a fuzzer failed; its log is $build/fuzz.log, the input that failed $build/fuzz/crash-*"
    exit 1
fi
