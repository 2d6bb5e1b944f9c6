#!/bin/sh
# Fails when a text of the code has no translation in a catalogue: each translations/*.ts is
# brought up to date from the code in a copy, as `update_translations` does, and must then
# hold no unfinished message.
#   complete_test.sh LUPDATE SOURCES_LIST TRANSLATIONS_DIR LUPDATE_OPTIONS...
set -eu
lupdate=$1 sources=$2 dir=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bad=0
for ts in "$dir"/boardsuite_*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" "$@" "@$sources" -ts "$copy" >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log" >&2; exit 1; }
    # lupdate's warnings name texts it could not take (a tr() of a variable, a missing context).
    if grep -i "warning" "$work/lupdate.log" >&2; then bad=1; fi
    # Each unfinished message as its context and source (a source may run over several lines).
    missing=$(awk '
        /<name>/ { context = $0; sub(/.*<name>/, "", context); sub(/<\/name>.*/, "", context) }
        /<source>/ { source = ""; taking = 1 }
        taking { source = source (source == "" ? "" : " ") $0; if ($0 ~ /<\/source>/) taking = 0 }
        /<translation type="unfinished"/ {
            sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
            gsub(/&apos;/, "\047", source); gsub(/&quot;/, "\"", source); gsub(/&lt;/, "<", source)
            gsub(/&gt;/, ">", source); gsub(/&amp;/, "\\&", source)
            printf "  %s: \"%s\"\n", context, source
        }' "$copy")
    if [ -n "$missing" ]; then
        echo "translations/$(basename "$ts") has no translation for:" >&2
        echo "$missing" >&2
        bad=1
    fi
done
if [ $bad -ne 0 ]; then
    echo "Run 'cmake --build build --target update_translations', translate the new texts in" >&2
    echo "Qt Linguist (linguist translations/boardsuite_<lang>.ts) and commit the .ts files." >&2
fi
exit $bad
