#!/bin/sh
# The programs as a user starts them: options, the missing display, the virtual board, a trace,
# a device that cannot be opened, and an end by SIGTERM.
. "$(dirname "$0")/program_helpers.sh"

"$thermread" --help | grep -q -- '--com1' || fail "--help does not list --com1"
"$thermread" --help | grep -q -- '--trace' || fail "--help does not list --trace"
"$thermconf" --version | grep -q '^thermconf [0-9]' || fail "--version"
"$thermread" --bogus >/dev/null 2>&1 && fail "an unknown option is accepted"

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$thermread" --com1=virtual 2>"$dir/err" && fail "ran without a display"
[ "$(wc -l <"$dir/err")" -eq 1 ] || fail "the missing display takes more than one line: $(cat "$dir/err")"
grep -q xvfb-run "$dir/err" || fail "the missing display does not name xvfb-run"

# On the virtual board the program runs, traces the opening, and ends on SIGTERM.
start "$thermread" --com1=virtual --trace="$dir/trace"
wait_for 'PortOpen = True' 1 "$dir/trace"
head -1 "$dir/trace" | grep -Eq '^[0-9]+ CommPort = 1$' || fail "first trace line: $(head -1 "$dir/trace")"
stop

# A port that cannot be opened at start-up: its message on standard error (and in a box, which
# SIGTERM closes here), then status 1.
startup_failure() {
    start "$thermconf" --com1="$1"
    wait_for '^thermconf: ' 1 "$dir/err"
    sleep 0.2
    stop 1
    grep -qxF "thermconf: $2" "$dir/err" || fail "$1: message $(cat "$dir/err")"
}
startup_failure /dev/no-such-board-port "COM1 (/dev/no-such-board-port): no such device"
startup_failure /dev/null "COM1 (/dev/null): not a serial port with modem-control lines"
echo ok
