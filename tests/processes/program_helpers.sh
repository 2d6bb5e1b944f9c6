# Sourced by the process tests. The programs as built, in the order ctest passes them; a folder
# of the test's own; starting a program, waiting for what it writes, and ending it.
set -u
thermread=$1 thermconf=$2 adcpanel=$3 iopanel=$4 shiftout=$5 serialout=$6 lineprobe=$7
dir=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -KILL $pid 2>/dev/null; rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen
# No one's port assignments: empty folders of the test's own.
export XDG_CONFIG_HOME="$dir/config" XDG_CONFIG_DIRS="$dir/config-system"
fail() { echo "FAIL: $*"; exit 1; }

# Starts a program with its options in the background, its standard error in $dir/err.
start() {
    "$@" 2>"$dir/err" &
    pid=$!
}

# Waits up to thirty seconds (sanitized builds start slowly) until file $3 has at least $2
# lines matching $1.
wait_for() {
    n=0
    until [ "$(grep -c -- "$1" "$3" 2>/dev/null)" -ge "$2" ] 2>/dev/null; do
        n=$((n + 1))
        [ $n -gt 300 ] && fail "fewer than $2 lines '$1' in $(basename "$3"); errors: $(cat "$dir/err" 2>/dev/null)"
        sleep 0.1
    done
}

# Ends the program with SIGTERM, which must end it with status $1 (0 when not given).
stop() {
    kill -TERM $pid 2>/dev/null
    wait $pid
    status=$?
    pid=""
    [ $status -eq "${1:-0}" ] || fail "SIGTERM ended the program with status $status"
}

# A trace without its time stamps.
untimed() { sed 's/^[0-9]* //' "$1"; }
