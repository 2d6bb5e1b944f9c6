#!/bin/sh
# The programs as a user starts them: options, the missing display, the serial devices present,
# the virtual board, a trace, a device that cannot be opened, and an end by SIGTERM.
. "$(dirname "$0")/program_helpers.sh"

"$thermread" --help | grep -q -- '--com1' || fail "--help does not list --com1"
"$thermread" --help | grep -q -- '--trace' || fail "--help does not list --trace"
"$thermconf" --version | grep -q '^thermconf [0-9]' || fail "--version"
"$thermread" --bogus >/dev/null 2>&1 && fail "an unknown option is accepted"

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$thermread" --com1=virtual 2>"$dir/err" && fail "ran without a display"
[ "$(wc -l <"$dir/err")" -eq 1 ] || fail "the missing display takes more than one line: $(cat "$dir/err")"
grep -q xvfb-run "$dir/err" || fail "the missing display does not name xvfb-run"

# --list-ports needs no display: one device a line (none on a machine without serial ports),
# then what COM1 to COM4 stand for and why: here the computer's file names COM2, an option COM3.
mkdir -p "$XDG_CONFIG_DIRS/boardsuite"
printf '[ports]\nCOM2=/dev/lab-adapter\nCOM3=/dev/lab-other\n' >"$XDG_CONFIG_DIRS/boardsuite/ports.ini"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$thermread" --com3=virtual --list-ports >"$dir/listed" 2>"$dir/err" \
    || fail "--list-ports ended with status $?"
rm "$XDG_CONFIG_DIRS/boardsuite/ports.ini"
head -n -4 "$dir/listed" >"$dir/ports"
tail -n 4 "$dir/listed" | sed 's/^\(COM[0-9]\) = .* (default)$/\1/' >"$dir/com"
printf '%s\n' COM1 "COM2 = /dev/lab-adapter (system file $XDG_CONFIG_DIRS/boardsuite/ports.ini)" \
    "COM3 = virtual (option --com3)" COM4 | diff - "$dir/com" >"$dir/diff" || fail "--list-ports: the COM ports: $(cat "$dir/diff")"
grep -qv '^/dev/' "$dir/ports" && fail "--list-ports: a line that names no device: $(cat "$dir/ports")"
[ -s "$dir/ports" ] || grep -qx 'thermread: no serial device found' "$dir/err" || fail "--list-ports: nothing said"
for value in -1 abc 1000001 ''; do
    "$thermread" --settle="$value" --list-ports >/dev/null 2>&1 && fail "--settle=$value is accepted"
done

# --check needs no display either: a port given as `virtual` (here through the user's file) and
# its grid, with nothing extra on standard output when that is not a terminal.
mkdir -p "$XDG_CONFIG_HOME/boardsuite"
printf '[ports]\nCOM2=virtual\n' >"$XDG_CONFIG_HOME/boardsuite/ports.ini"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$adcpanel" --check=COM2 >"$dir/checked" 2>"$dir/err" \
    || fail "--check ended with status $?: $(cat "$dir/checked" "$dir/err")"
rm "$XDG_CONFIG_HOME/boardsuite/ports.ini"
grep -qx '40: -- -- -- -- -- -- -- -- 48 -- -- -- -- -- -- --' "$dir/checked" || fail "--check: no sensor in the grid: $(cat "$dir/checked")"
grep -q "$(printf '\r')" "$dir/checked" && fail "--check: progress written to a file"

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
# ... which goes on to name the devices present, as --list-ports does, and how to use one.
if [ -s "$dir/ports" ]; then
    while read -r line; do
        grep -qxF "  $line" "$dir/err" || fail "the missing device's message does not name $line: $(cat "$dir/err")"
    done <"$dir/ports"
    grep -q '^Use one with --com1=/dev/' "$dir/err" || fail "the missing device's message: $(cat "$dir/err")"
else
    grep -q '^No serial device was found' "$dir/err" || fail "the missing device's message: $(cat "$dir/err")"
fi
startup_failure /dev/null "COM1 (/dev/null): not a serial port with modem-control lines"

# Each program's binary carries its own window and no other program's (thermconf's window is
# built on thermread's, and the output programs' on their shared panel).
windows_in() {
    nm -C --defined-only "$1" | grep -oE '(ThermRead|ThermConf|AdcPanel|IoPanel|ShiftOut|SerialOut|LineProbe)Window::' \
        | tr -d : | LC_ALL=C sort -u | tr '\n' ' '
}
carries() { [ "$(windows_in "$1")" = "$2" ] || fail "$(basename "$1") carries $(windows_in "$1")"; }
carries "$thermread" "ThermReadWindow "
carries "$thermconf" "ThermConfWindow ThermReadWindow "
carries "$adcpanel" "AdcPanelWindow "
carries "$iopanel" "IoPanelWindow "
carries "$shiftout" "ShiftOutWindow "
carries "$serialout" "SerialOutWindow "
carries "$lineprobe" "LineProbeWindow "
echo ok
