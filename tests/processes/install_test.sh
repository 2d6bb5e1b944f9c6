#!/bin/sh
# The suite as it installs: every program with its menu entry, metadata, icons and manual page,
# each clean under its own validator; and the Debian package, its fields and its files.
#   install_test.sh tree    CMAKE BUILD_DIR SOURCE_DIR ID_PREFIX PROGRAM...
#   install_test.sh package CPACK BUILD_DIR SOURCE_DIR ID_PREFIX PROGRAM...
set -u
mode=$1 tool=$2 build=$3 source=$4 prefix=$5
shift 5
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
sizes="16 22 24 32 48 64 128"

# Every file the suite installs below the prefix, sorted, and nothing else.
expected_files() {
    {
    echo "lib/udev/rules.d/70-boardsuite-adapters.rules"
    for program in "$@"; do
        id=$prefix.$program
        echo "bin/$program"
        echo "share/applications/$id.desktop"
        echo "share/metainfo/$id.metainfo.xml"
        echo "share/man/man1/$program.1.gz"
        echo "share/icons/hicolor/scalable/apps/$id.svg"
        for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
    done
    } | LC_ALL=C sort
}

# The udev rule: it sorts before 73-seat-late.rules (which applies the access tag), matches only
# tty devices, and each of its lines names a USB vendor and product, gives the seat access and
# keeps ModemManager away; every adapter family of the README's table is in it.
check_rule() {
    rules=$(ls "$1"/lib/udev/rules.d/*.rules 2>/dev/null)
    [ "$(echo "$rules" | wc -w)" -eq 1 ] || { fail "not one udev rule: $rules"; return; }
    number=$(basename "$rules" | cut -d- -f1)
    [ "$number" -lt 73 ] 2>/dev/null || fail "$rules sorts after 73-seat-late.rules"
    grep -qx 'SUBSYSTEM!="tty", GOTO="boardsuite_adapters_end"' "$rules" || fail "$rules does not keep to tty devices"
    grep -v '^#' "$rules" | grep 'uaccess' | grep -Ev '^ATTRS\{idVendor\}=="[0-9a-f]{4}", ATTRS\{idProduct\}=="[0-9a-f]{4}", TAG\+="uaccess", ENV\{ID_MM_DEVICE_IGNORE\}="1"$' >"$dir/odd"
    [ -s "$dir/odd" ] && fail "$rules: lines that do not match on vendor and product: $(cat "$dir/odd")"
    for vendor in 0403 10c4 1a86 067b; do
        grep -q "ATTRS{idVendor}==\"$vendor\"" "$rules" || fail "$rules has no adapter of vendor $vendor"
    done
}
check_file_list() {  # WHAT PROGRAM...; the list, relative to the prefix, on standard input
    what=$1
    shift
    LC_ALL=C sort >"$dir/files"
    expected_files "$@" >"$dir/expected"
    diff "$dir/expected" "$dir/files" >"$dir/diff" || fail "$what differs from what the suite installs: $(cat "$dir/diff")"
}

# Whether the package's Depends ($depends) names the package PACKAGE.
depends_on() {
    echo "$depends" | awk -v owner="$1" 'BEGIN { RS = ", " } $1 == owner { found = 1 } END { exit !found }'
}

# Width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }'
}

check_tree() {
    root=$1
    shift
    for program in "$@"; do
        id=$prefix.$program
        [ -x "$root/bin/$program" ] || fail "$program is not installed"

        entry=$root/share/applications/$id.desktop
        desktop-file-validate "$entry" >"$dir/out" 2>&1 && [ ! -s "$dir/out" ] || fail "$entry: $(cat "$dir/out")"
        grep -qx "Exec=$program" "$entry" || fail "$entry does not start $program"
        grep -qx "Exec=$program --choose-port" "$entry" || fail "$entry has no action that chooses the port"
        grep -qx "Exec=$program --plot" "$entry" || fail "$entry has no action that opens the plot"
        # In German too: the entry's words, and every action's name beside its English.
        for key in Name GenericName Comment Keywords; do grep -q "^$key\[de\]=." "$entry" || fail "$entry has no $key[de]"; done
        [ "$(grep -c '^Name=' "$entry")" -eq "$(grep -c '^Name\[de\]=.' "$entry")" ] || fail "$entry: a name without its German"
        # The check of the board and adapter: on the two-wire programs only.
        case $program in
        thermread | thermconf | adcpanel | iopanel)
            grep -qx "Exec=$program --check-window" "$entry" && grep -qx "Name=Check the board and adapter" "$entry" ||
                fail "$entry has no action that checks the board" ;;
        *) ! grep -q -- "--check" "$entry" || fail "$entry offers a check of a board it reads nothing from" ;;
        esac
        icon=$(sed -n 's/^Icon=//p' "$entry")
        [ "$icon" = "$id" ] || fail "$entry names the icon '$icon'"
        for size in $sizes; do
            png=$root/share/icons/hicolor/${size}x$size/apps/$icon.png
            [ "$(png_size "$png" 2>/dev/null)" = "${size}x$size" ] || fail "$png is not a ${size}x$size image"
        done
        grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon for $program"

        metainfo=$root/share/metainfo/$id.metainfo.xml
        # --strict: warnings fail too.
        appstreamcli validate --no-net --strict "$metainfo" >"$dir/out" 2>&1 || fail "$metainfo: $(cat "$dir/out")"
        grep -q "<id>$id</id>" "$metainfo" || fail "$metainfo has another id"
        grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "$metainfo does not launch $id.desktop"
        for tag in name summary p; do grep -q "<$tag xml:lang=\"de\">" "$metainfo" || fail "$metainfo has no German $tag"; done
        grep -q '<translation type="qt">boardsuite</translation>' "$metainfo" || fail "$metainfo does not name the Qt catalogue"
        sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$metainfo" >"$dir/pictures"
        [ -s "$dir/pictures" ] || fail "$metainfo has no screenshot"
        while read -r picture; do
            [ -f "$source/docs/screenshots/$picture" ] || fail "$metainfo shows $picture, which docs/screenshots does not have"
        done <"$dir/pictures"

        page=$root/share/man/man1/$program.1.gz
        LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$dir/page" 2>"$dir/out" && [ ! -s "$dir/out" ] ||
            fail "$page: $(cat "$dir/out")"
        grep -q "^ *$program - " "$dir/page" || fail "$page does not name $program"
        # Every option the program knows is on its page.
        "$root/bin/$program" --help | grep -o -- '--[a-z0-9-]*' | sort -u | while read -r option; do
            grep -q -- "$option" "$dir/page" || echo "$option"
        done >"$dir/missing"
        [ -s "$dir/missing" ] && fail "$page does not document $(tr '\n' ' ' <"$dir/missing")"
    done
}

case $mode in
tree)
    "$tool" --install "$build" --prefix "$dir/usr" >"$dir/log" 2>&1 || { cat "$dir/log"; exit 1; }
    (cd "$dir/usr" && find . ! -type d | sed 's|^\./||') | check_file_list "the installed tree" "$@"
    check_tree "$dir/usr" "$@"
    check_rule "$dir/usr"
    ;;
package)
    "$tool" -G DEB --config "$build/CPackConfig.cmake" -B "$dir/out-deb" >"$dir/log" 2>&1 || { cat "$dir/log"; exit 1; }
    deb=$(ls "$dir"/out-deb/*.deb)
    [ "$(dpkg-deb -f "$deb" Package)" = boardsuite ] || fail "Package: $(dpkg-deb -f "$deb" Package)"
    [ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
    [ "$(dpkg-deb -f "$deb" Section)" = electronics ] || fail "Section: $(dpkg-deb -f "$deb" Section)"
    dpkg-deb -f "$deb" Maintainer | grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' || fail "Maintainer: $(dpkg-deb -f "$deb" Maintainer)"
    [ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 3 ] || fail "Description: $(dpkg-deb -f "$deb" Description)"
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed -n 's|^\./usr/||p' | check_file_list "the package" "$@"
    [ "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/' | grep -vc ' \./usr/')" -eq 0 ] || fail "the package has files outside /usr"
    # Depends is computed: it names the package of every library a program links directly
    # (with a version where the library's package tells one; a sanitized build links some that
    # do not), and versions come with it.
    depends=$(dpkg-deb -f "$deb" Depends)
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
    dpkg-deb -x "$deb" "$dir/root"
    check_rule "$dir/root/usr"
    missing=$(grep -L '^Name\[de\]=' "$dir"/root/usr/share/applications/*.desktop)
    [ -z "$missing" ] || fail "the package's entries without German: $missing"
    for program in "$@"; do
        for library in $(objdump -p "$dir/root/usr/bin/$program" | awk '$1 == "NEEDED" { print $2 }'); do
            owner=$(dpkg -S "*/$multiarch/$library" 2>/dev/null | head -1 | cut -d: -f1)
            [ -n "$owner" ] || { fail "$program: no package has $library"; continue; }
            depends_on "$owner" || fail "$program links $library of $owner, which Depends lacks: $depends"
        done
    done
    echo "$depends" | grep -q 'libc6 (>= ' || fail "Depends gives no version of the C library: $depends"
    # The plot draws with Qt Charts, which no other library of the suite brings along.
    charts=$(dpkg -S "*/$multiarch/libQt6Charts.so.6" 2>/dev/null | head -1 | cut -d: -f1)
    depends_on "${charts:-libqt6charts6}" || fail "Depends lacks the Qt Charts library (${charts:-libqt6charts6}): $depends"
    # Qt's own catalogues, loaded beside the suite's: a file the programs read, not a library.
    depends_on qt6-translations-l10n || fail "Depends lacks Qt's catalogues (qt6-translations-l10n): $depends"
    ;;
*)
    echo "usage: $0 tree|package ..." >&2
    exit 2
    ;;
esac
[ "$failures" -eq 0 ] || exit 1
echo ok
