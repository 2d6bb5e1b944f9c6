#!/bin/sh
# Instructions per access on each path of bus_bench, counted by callgrind: repeatable whatever
# else the machine is doing.   bench/instructions.sh [BUILD_DIR]
set -eu
build=${1:-build}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
accesses=$(valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*replayOn*' \
    "$build/bench/bus_bench" --fixed 2000 2>/dev/null | sed -n 's/^accesses per path: //p')
echo "| path | instructions per access |"
echo "|---|---|"
callgrind_annotate --inclusive=yes "$out" 2>/dev/null |
    grep 'bus_bench\]$' | sed -n 's/^ *\([0-9,]*\) .*::\(replayOn[A-Za-z]*\)(.*/\2 \1/p' | tr -d , |
    while read -r path ir; do
        case $path in
            replayOnBoard) name="the bare board's own calls, inlined" ;;
            replayOnPort) name="the bare board through its port" ;;
            replayOnComponent) name="MSComm1 on the board" ;;
            *) continue ;;
        esac
        printf '| %s | %s |\n' "$name" "$(echo "scale=1; $ir / $accesses" | bc)"
    done
