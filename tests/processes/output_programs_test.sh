#!/bin/sh
# shiftout, serialout and lineprobe as a user starts them on the virtual board: what each
# puts on the port at start-up (from its trace), and an end by SIGTERM; lineprobe on a
# device that does not exist.
. "$(dirname "$0")/program_helpers.sh"

# shiftout: opening, the lines at rest, sixteen zero bits and the latch pulse.
{
    echo "PortOpen = True"; echo "DTREnable = True"; echo "RTSEnable = True"
    i=0
    while [ $i -lt 16 ]; do echo "Break = True"; echo "DTREnable = False"; echo "DTREnable = True"; i=$((i + 1)); done
    echo "RTSEnable = False"; echo "RTSEnable = True"
} >"$dir/expected"
trace="$dir/shiftout.trace"  # each program its own, so none is judged on another's lines
start "$shiftout" --com1=virtual --trace="$trace"
wait_for "RTSEnable = True" 2 "$trace"
sleep 0.3
untimed "$trace" | diff "$dir/expected" - >"$dir/diff" || fail "shiftout start-up: $(cat "$dir/diff")"
stop

# serialout: COM1 at 57600,n,8,1, two zero bytes, the latch pulse at least 10 ms later.
printf '%s\n' "CommPort = 1" 'Settings = "57600,n,8,1"' "PortOpen = True" "Output = 0x00" "Output = 0x00" \
    "RTSEnable = False" "RTSEnable = True" >"$dir/expected"
trace="$dir/serialout.trace"
start "$serialout" --com1=virtual --trace="$trace"
wait_for "RTSEnable = True" 1 "$trace"
sleep 0.3
untimed "$trace" | diff "$dir/expected" - >"$dir/diff" || fail "serialout start-up: $(cat "$dir/diff")"
second=$(grep 'Output' "$trace" | tail -1 | cut -d' ' -f1)
latch=$(grep 'RTSEnable = False' "$trace" | cut -d' ' -f1)
[ $((latch - second)) -ge 10000 ] || fail "serialout latched ${latch}-${second} µs after the second byte"
stop

# lineprobe: reads CTS, CD, DSR at every tick; the board starts with CD not asserted.
trace="$dir/lineprobe.trace"
start "$lineprobe" --com1=virtual --trace="$trace"
wait_for "DSRHolding" 2 "$trace"
untimed "$trace" | sed -n 1,4p >"$dir/first"
printf '%s\n' "PortOpen = True" "CTSHolding -> True" "CDHolding -> False" "DSRHolding -> True" | diff - "$dir/first" >"$dir/diff" ||
    fail "lineprobe first tick: $(cat "$dir/diff")"
stop

# lineprobe on a device that does not exist: the error, not the in-use box. (The box that
# follows waits for OK, so the program is killed.)
start "$lineprobe" --com1=/dev/no-such-board-port
wait_for 'no such device' 1 "$dir/err"
grep -qx 'lineprobe: COM1 (/dev/no-such-board-port): no such device' "$dir/err" || fail "lineprobe error text: $(cat "$dir/err")"
kill -KILL $pid
wait $pid 2>/dev/null
pid=""
echo ok
