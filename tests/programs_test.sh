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
echo ok
