#!/bin/sh
# adcpanel and iopanel as a user starts them on the virtual board: the traffic of their first
# ticks in the trace, and an end by SIGTERM.
. "$(dirname "$0")/program_helpers.sh"

# adcpanel opens COM1 and nothing else at start-up, then ticks: 203 puts and 36 reads each.
trace="$dir/adcpanel.trace"
start "$adcpanel" --com1=virtual --trace="$trace"
wait_for 'CDHolding' 72 "$trace"
stop
head -1 "$trace" | grep -Eq '^[0-9]+ PortOpen = True$' || fail "adcpanel: first trace line: $(head -1 "$trace")"
grep -q CommPort "$trace" && fail "adcpanel puts CommPort"
# One tick's accesses, counted from the second tick's start (a first I2CStart after a stop).
lines=$(awk 'NR > 1 { print $2 }' "$trace" | head -478 | tail -239 | sort | uniq -c | awk '{ printf "%s=%s ", $2, $1 }')
[ "$lines" = "CDHolding=36 DTREnable=132 RTSEnable=71 " ] || fail "adcpanel: one tick is $lines"

# iopanel opens no port at start-up but polls both panels.
trace="$dir/iopanel.trace"
start "$iopanel" --com1=virtual --trace="$trace"
wait_for 'CDHolding' 40 "$trace"
stop
grep -q PortOpen "$trace" && fail "iopanel opens a port at start-up"
echo ok
