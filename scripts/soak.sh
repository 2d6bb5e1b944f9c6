#!/bin/sh
# Runs each polling program (adcpanel, iopanel, lineprobe) for MINUTES (default 10) on the
# virtual board, all three at once, offscreen, with a trace; then reports each one's resident
# memory a few seconds after start, at half time and at the end (in a soak of 20 minutes or
# more every board window's monitor is full, 5000 lines, by half time), and how often its
# timers ticked (counted from the trace by build/tools/trace_ticks) against their intervals.
# Not part of ./test.
#   scripts/soak.sh [MINUTES]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-10}
build="$top/build"
[ -x "$build/tools/trace_ticks" ] || "$top/scripts/setup.sh" >&2
dir=$(mktemp -d)
pids=""
trap 'for p in $pids; do kill -KILL "$p" 2>/dev/null || true; done; rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$dir"
chmod 700 "$dir"
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

for program in adcpanel iopanel lineprobe; do
    "$build/$program/$program" --com1=virtual --trace="$dir/$program.trace" 2>"$dir/$program.err" &
    eval "pid_$program=$!"
    pids="$pids $!"
done
sleep 5
for program in adcpanel iopanel lineprobe; do
    eval "pid=\$pid_$program"
    eval "rss_start_$program=$(rss "$pid")"
done
echo "soak: $minutes minutes from $(date -u '+%Y-%m-%d %H:%M:%S') UTC; load $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores" >&2
half=$((minutes * 30 - 5))
sleep $half
for program in adcpanel iopanel lineprobe; do
    eval "pid=\$pid_$program"
    eval "rss_half_$program=$(rss "$pid")"
done
sleep $((minutes * 60 - 5 - half))
echo "| program | resident memory after 5 s | at half time | at the end | change in the second half |"
echo "|---|---|---|---|---|"
for program in adcpanel iopanel lineprobe; do
    eval "pid=\$pid_$program; start=\$rss_start_$program; halfway=\$rss_half_$program"
    end=$(rss "$pid")
    kill -TERM "$pid"
    wait "$pid" || { echo "soak: $program ended badly: $(cat "$dir/$program.err")" >&2; exit 1; }
    echo "| $program | $start KiB | $halfway KiB | $end KiB | $((end - halfway)) KiB |"
done
pids=""
echo
echo "Timer intervals: adcpanel Timer1 200 ms (transaction 90 W starts each tick); iopanel Timer1 100 ms"
echo "(transaction 41 R), Timer2 200 ms (43 R); lineprobe Timer1 100 ms (one CTSHolding read a tick)."
for program in adcpanel iopanel lineprobe; do
    echo
    echo "$program, $minutes minutes:"
    echo
    "$build/tools/trace_ticks" "$dir/$program.trace"
done
