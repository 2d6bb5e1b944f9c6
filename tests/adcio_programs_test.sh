#!/bin/sh
# adcpanel and iopanel as a user starts them on the virtual board: the traffic of their first
# ticks in the trace, and an end by SIGTERM.
set -u
adcpanel=$1
iopanel=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Waits until the trace holds at least $2 lines matching $1.
wait_for() {
    n=0
    until [ "$(grep -c -- "$1" "$trace" 2>/dev/null)" -ge "$2" ]; do
        n=$((n + 1)); [ $n -gt 100 ] && { kill $pid; fail "$name: fewer than $2 lines '$1' in the trace"; }
        sleep 0.1
    done
}

stop() {
    kill -TERM $pid
    wait $pid
    status=$?
    [ $status -eq 0 ] || fail "$name: SIGTERM ended the program with status $status"
}

# adcpanel opens COM1 and nothing else at start-up, then ticks: 203 puts and 36 reads each.
name=adcpanel
trace="$dir/adcpanel.trace"
QT_QPA_PLATFORM=offscreen "$adcpanel" --com1=virtual --trace="$trace" &
pid=$!
wait_for 'CDHolding' 72
stop
head -1 "$trace" | grep -Eq '^[0-9]+ PortOpen = True$' || fail "adcpanel: first trace line: $(head -1 "$trace")"
grep -q CommPort "$trace" && fail "adcpanel puts CommPort"
# One tick's accesses, counted from the second tick's start (a first I2CStart after a stop).
lines=$(awk 'NR > 1 { print $2 }' "$trace" | head -478 | tail -239 | sort | uniq -c | awk '{ printf "%s=%s ", $2, $1 }')
[ "$lines" = "CDHolding=36 DTREnable=132 RTSEnable=71 " ] || fail "adcpanel: one tick is $lines"

# iopanel opens no port at start-up but polls both panels.
name=iopanel
trace="$dir/iopanel.trace"
QT_QPA_PLATFORM=offscreen "$iopanel" --com1=virtual --trace="$trace" &
pid=$!
wait_for 'CDHolding' 40
stop
grep -q PortOpen "$trace" && fail "iopanel opens a port at start-up"
echo ok
