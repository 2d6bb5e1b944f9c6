#!/bin/sh
# Instructions per access of Read Temp through MSComm1 on the virtual board, without and with the
# board window's monitor listening, and per idle refresh of the window, counted by callgrind:
# repeatable whatever else the machine is doing.   bench/boardwin_instructions.sh [BUILD_DIR]
set -eu
build=${1:-build}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
report=$(QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out" \
    "$build/bench/boardwin_bench" --fixed 2000 2>/dev/null)
accesses=$(echo "$report" | sed -n 's/^accesses per path: //p')
refreshes=$(echo "$report" | sed -n 's/^refreshes: //p')
echo "| path | instructions |"
echo "|---|---|"
callgrind_annotate --inclusive=yes --threshold=100 "$out" 2>/dev/null |
    grep 'boardwin_bench\]$' | sed -n 's/^ *\([0-9,]*\) .*::\(readTemps[A-Za-z]*\|idleRefreshes\)(.*/\2 \1/p' | tr -d , |
    while read -r path ir; do
        case $path in
            readTempsWithoutWindow) printf '| per access, no board window | %s |\n' "$(echo "scale=1; $ir / $accesses" | bc)" ;;
            readTempsWithWindow) printf '| per access, board window open (monitor listening) | %s |\n' "$(echo "scale=1; $ir / $accesses" | bc)" ;;
            idleRefreshes) printf '| per refresh of the window, nothing changed | %s |\n' "$(echo "scale=0; $ir / $refreshes" | bc)" ;;
        esac
    done
