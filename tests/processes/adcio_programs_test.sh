#!/bin/sh
# adcpanel and iopanel as a user starts them on the virtual board: the traffic of their first
# ticks in the trace, an end by SIGTERM, and a recording.
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

# A recording is whole when SIGTERM ends the program, however soon: the heading, the blank boxes
# at the start, then a row for each of the two ticks that change them (the readings settle after
# the first), each of seven fields and ended as every other.
csv="$dir/adcpanel.csv"
start "$adcpanel" --com1=virtual --plot --record="$csv" --trace="$dir/recorded.trace"
wait_for 'CDHolding' 72 "$dir/recorded.trace"
stop
[ "$(wc -l <"$csv")" -eq 4 ] || fail "adcpanel: the recording has $(wc -l <"$csv") lines"
[ "$(head -1 "$csv")" = "$(printf 'time (UTC),seconds,AIN0 (V),AIN1 (V),AIN2 (V),AIN3 (V),AOUT (V)\r')" ] ||
    fail "adcpanel: the recording's heading is $(head -1 "$csv")"
[ "$(tail -c 2 "$csv" | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "adcpanel: the recording ends inside a row"
awk -F, 'NR > 1 && NF != 7 { bad = 1 } END { exit bad }' "$csv" || fail "adcpanel: a row without seven fields"

# A recording that cannot be made is one line on standard error; the program carries on.
start "$adcpanel" --com1=virtual --record="$dir" --trace="$dir/unrecorded.trace"
wait_for 'CDHolding' 36 "$dir/unrecorded.trace"
stop
[ "$(grep -c "record" "$dir/err")" -eq 1 ] && grep -q "cannot record to $dir: it is a folder" "$dir/err" ||
    fail "adcpanel: an unwritable recording said: $(cat "$dir/err")"

# In German the help speaks German, the suite's texts and Qt's own alike, while what the files
# hold is the same bytes as in English, time stamps aside: the same lines of the trace, the bus
# log and the dump, and the same rows of the recording.
german="env LOCPATH=$TEST_LOCALES LC_ALL=de_DE.UTF-8"
help=$($german "$adcpanel" --help)
echo "$help" | grep -q '^Aufruf: adcpanel \[Optionen\]$' && echo "$help" | grep -q 'Zeigt Hilfe zu den Kommandozeilenoptionen' ||
    fail "adcpanel --help in German: $(echo "$help" | head -5)"
for language in en de; do
    run=""; [ $language = de ] && run=$german
    start $run "$adcpanel" --com1=virtual --trace="$dir/$language.trace" --bus-log="$dir/$language.log" \
        --vcd="$dir/$language.vcd" --record="$dir/$language.csv"
    wait_for 'CDHolding' 72 "$dir/$language.trace"
    stop
    untimed "$dir/$language.trace" >"$dir/$language.trace.untimed"
    sed 's/^[0-9.]* //' "$dir/$language.log" >"$dir/$language.log.untimed"
    grep -v '^#' "$dir/$language.vcd" >"$dir/$language.vcd.untimed"
    cut -d, -f3- "$dir/$language.csv" >"$dir/$language.csv.untimed"
done
for kind in trace log vcd csv; do
    # The lines both runs wrote, but the last, which the signal may have cut.
    n=$(($(cat "$dir/en.$kind.untimed" "$dir/de.$kind.untimed" | wc -l) / 2))
    [ "$n" -gt "$(wc -l <"$dir/de.$kind.untimed")" ] && n=$(wc -l <"$dir/de.$kind.untimed")
    [ "$n" -gt "$(wc -l <"$dir/en.$kind.untimed")" ] && n=$(wc -l <"$dir/en.$kind.untimed")
    n=$((n - 1))
    [ "$n" -ge 2 ] || fail "adcpanel: only $n lines of the $kind to compare"
    [ "$(head -$n "$dir/de.$kind.untimed")" = "$(head -$n "$dir/en.$kind.untimed")" ] ||
        fail "adcpanel: the $kind differs in German: $(diff "$dir/en.$kind.untimed" "$dir/de.$kind.untimed" | head -4)"
done

# iopanel opens no port at start-up but polls both panels.
trace="$dir/iopanel.trace"
start "$iopanel" --com1=virtual --trace="$trace"
wait_for 'CDHolding' 40 "$trace"
stop
grep -q PortOpen "$trace" && fail "iopanel opens a port at start-up"
echo ok
