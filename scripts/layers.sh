#!/bin/sh
# Fails when a folder of the suite includes a header of a folder on a higher floor: the floors,
# bottom up, each may include its own and any lower floor's headers. Run by ctest.
#   scripts/layers.sh [SOURCE_DIR]
set -eu
top=${1:-$(cd "$(dirname "$0")/.." && pwd)}
floors="translations serial bus dump board forms boardwin plot check app"
floor_of() {  # a folder's floor; the programs' folders are above them all
    n=0
    for f in $floors; do
        n=$((n + 1))
        [ "$f" = "$1" ] && { echo $n; return; }
    done
    echo 99
}
# Where each header lives.
index=$(mktemp)
trap 'rm -f "$index"' EXIT
for dir in $floors thermread thermconf adcpanel iopanel outpanel shiftout serialout lineprobe; do
    for h in "$top/$dir"/*.h; do [ -e "$h" ] && echo "$(basename "$h") $dir"; done
done > "$index"
bad=0
for dir in $floors; do
    own=$(floor_of "$dir")
    for file in "$top/$dir"/*.h "$top/$dir"/*.cpp; do
        [ -e "$file" ] || continue
        for header in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
            home=$(awk -v h="$header" '$1 == h { print $2; exit }' "$index")
            [ -n "$home" ] || continue
            if [ "$(floor_of "$home")" -gt "$own" ]; then
                echo "$dir/$(basename "$file") includes $header from $home/, a higher floor" >&2
                bad=1
            fi
        done
    done
done
exit $bad
