#!/bin/sh
# shiftout, serialout and lineprobe as a user starts them on the virtual board: what each
# puts on the port at start-up (from its trace), and an end by SIGTERM; lineprobe on a
# device that does not exist.
set -u
shiftout=$1
serialout=$2
lineprobe=$3
dir=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -KILL $pid 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
export QT_QPA_PLATFORM=offscreen

# Starts a program on the virtual board with a trace file of its own ($trace), so that nothing
# of an earlier program's run is taken for its start-up, and waits until that trace has $2
# lines matching $3.
start() {
    program=$1; want=$2; pattern=$3
    name=$(basename "$program")
    trace="$dir/$name.trace"; err="$dir/$name.err"
    "$program" --com1=virtual --trace="$trace" 2>"$err" &
    pid=$!
    n=0
    until [ "$(grep -c -- "$pattern" "$trace" 2>/dev/null)" -ge "$want" ] 2>/dev/null; do
        n=$((n + 1)); [ $n -gt 300 ] && fail "$name: no trace of start-up: $(cat "$err")"
        sleep 0.1
    done
}
stop() {
    kill -TERM $pid
    wait $pid
    status=$?
    pid=""
    [ $status -eq 0 ] || fail "SIGTERM ended the program with status $status"
}
untimed() { sed 's/^[0-9]* //' "$trace"; }

# shiftout: opening, the lines at rest, sixteen zero bits and the latch pulse.
{
    echo "PortOpen = True"; echo "DTREnable = True"; echo "RTSEnable = True"
    i=0
    while [ $i -lt 16 ]; do echo "Break = True"; echo "DTREnable = False"; echo "DTREnable = True"; i=$((i + 1)); done
    echo "RTSEnable = False"; echo "RTSEnable = True"
} >"$dir/expected"
start "$shiftout" 2 "RTSEnable = True"
sleep 0.3
untimed | diff "$dir/expected" - >"$dir/diff" || fail "shiftout start-up: $(cat "$dir/diff")"
stop

# serialout: COM1 at 57600,n,8,1, two zero bytes, the latch pulse at least 10 ms later.
printf '%s\n' "CommPort = 1" 'Settings = "57600,n,8,1"' "PortOpen = True" "Output = 0x00" "Output = 0x00" \
    "RTSEnable = False" "RTSEnable = True" >"$dir/expected"
start "$serialout" 1 "RTSEnable = True"
sleep 0.3
untimed | diff "$dir/expected" - >"$dir/diff" || fail "serialout start-up: $(cat "$dir/diff")"
second=$(grep 'Output' "$trace" | tail -1 | cut -d' ' -f1)
latch=$(grep 'RTSEnable = False' "$trace" | cut -d' ' -f1)
[ $((latch - second)) -ge 10000 ] || fail "serialout latched ${latch}-${second} µs after the second byte"
stop

# lineprobe: reads CTS, CD, DSR at every tick; the board starts with CD not asserted.
start "$lineprobe" 2 "DSRHolding"
sed -n 1,4p "$trace" | sed 's/^[0-9]* //' >"$dir/first"
printf '%s\n' "PortOpen = True" "CTSHolding -> True" "CDHolding -> False" "DSRHolding -> True" | diff - "$dir/first" >"$dir/diff" ||
    fail "lineprobe first tick: $(cat "$dir/diff")"
stop

# lineprobe on a device that does not exist: the error, not the in-use box. (The box that
# follows waits for OK, so the program is killed.)
"$lineprobe" --com1=/dev/no-such-board-port 2>"$dir/missing.err" &
pid=$!
n=0
until grep -q 'no such device' "$dir/missing.err"; do
    n=$((n + 1)); [ $n -gt 100 ] && fail "lineprobe did not report the missing device: $(cat "$dir/missing.err")"
    sleep 0.1
done
grep -qx 'lineprobe: COM1 (/dev/no-such-board-port): no such device' "$dir/missing.err" || fail "lineprobe error text: $(cat "$dir/missing.err")"
kill -KILL $pid
wait $pid 2>/dev/null
pid=""
echo ok
