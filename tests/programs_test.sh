#!/bin/sh
# The programs as a user starts them: options, the missing display, the virtual board, a trace,
# a device that cannot be opened, and an end by SIGTERM.
set -u
thermread=$1
thermconf=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$thermread" --help | grep -q -- '--com1' || fail "--help does not list --com1"
"$thermread" --help | grep -q -- '--trace' || fail "--help does not list --trace"
"$thermconf" --version | grep -q '^thermconf [0-9]' || fail "--version"
"$thermread" --bogus >/dev/null 2>&1 && fail "an unknown option is accepted"

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$thermread" --com1=virtual 2>"$dir/err" && fail "ran without a display"
[ "$(wc -l <"$dir/err")" -eq 1 ] || fail "the missing display takes more than one line: $(cat "$dir/err")"
grep -q xvfb-run "$dir/err" || fail "the missing display does not name xvfb-run"

# On the virtual board the program runs, traces the opening, and ends on SIGTERM.
QT_QPA_PLATFORM=offscreen "$thermread" --com1=virtual --trace="$dir/trace" &
pid=$!
n=0
until grep -q 'PortOpen = True' "$dir/trace" 2>/dev/null; do
    n=$((n + 1)); [ $n -gt 100 ] && { kill $pid; fail "no trace of the opening"; }
    sleep 0.1
done
head -1 "$dir/trace" | grep -Eq '^[0-9]+ CommPort = 1$' || fail "first trace line: $(head -1 "$dir/trace")"
kill -TERM $pid
wait $pid
status=$?
[ $status -eq 0 ] || fail "SIGTERM ended the program with status $status"
# A port that cannot be opened at start-up: its message on standard error (and in a box, which
# SIGTERM closes here), then status 1.
startup_failure() {
    device=$1 expected=$2
    QT_QPA_PLATFORM=offscreen "$thermconf" --com1="$device" 2>"$dir/err" &
    pid=$!
    n=0
    until grep -q "^thermconf: " "$dir/err" 2>/dev/null; do
        n=$((n + 1)); [ $n -gt 100 ] && { kill $pid; fail "no message for $device"; }
        sleep 0.1
    done
    sleep 0.2
    kill -TERM $pid 2>/dev/null
    wait $pid
    status=$?
    [ $status -eq 1 ] || fail "$device: status $status"
    grep -qxF "thermconf: $expected" "$dir/err" || fail "$device: message $(cat "$dir/err")"
}
startup_failure /dev/no-such-board-port "COM1 (/dev/no-such-board-port): no such device"
startup_failure /dev/null "COM1 (/dev/null): not a serial port with modem-control lines"
echo ok
