#!/bin/sh
# Instructions per access of a Read Temp replayed on each path of cost_bench, counted by callgrind
# (all that the path's replay function runs, callees included; one profile dumped per path):
# repeatable whatever else the machine is doing.   bench/instructions.sh [BUILD_DIR]
set -eu
build=${1:-build}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
accesses=$(QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$dir/out" \
    --toggle-collect='*::replayOn*' --dump-after='bench::replayOn*' "$build/bench/cost_bench" --fixed 2000 2>/dev/null |
    sed -n 's/^accesses per path: //p')
echo "| path | instructions per access |"
echo "|---|---|"
for profile in "$dir"/out.*; do
    case $(sed -n 's/^desc: Trigger: --dump-after=bench::replayOn\([A-Za-z]*\)(.*/\1/p' "$profile") in
        Board) name="the bare board's own calls, inlined" ;;
        Port) name="the bare board through its port (one virtual call)" ;;
        Component) name="MSComm1 on the board" ;;
        *) continue ;;
    esac
    printf '| %s | %s |\n' "$name" "$(echo "scale=1; $(sed -n 's/^totals: //p' "$profile") / $accesses" | bc)"
done
