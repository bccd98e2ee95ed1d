#!/bin/sh
# Checks that every text of the interface has its translation: lupdate, run
# over the library's sources with the options of the build, updates a copy of
# each .ts file, and the check fails when a copy holds a text without a
# finished translation (one new in the sources, or left unfinished) or a
# translation whose text the sources no longer have (vanished or obsolete).
# It names each of them; `cmake --build BUILD --target update_translations`
# then brings them into the .ts files, where they are translated.
#   complete.sh LUPDATE SOURCES_LIST WORK_DIR LUPDATE_OPTION... -- TS_FILE...
set -eu
lupdate=$1
sources=$2
work=$3
shift 3
options=
while [ "$1" != "--" ]; do
    options="$options $1"
    shift
done
shift

rm -rf "$work"
mkdir -p "$work"
status=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # shellcheck disable=SC2086 # the options are words of their own
    "$lupdate" $options "@$sources" -ts "$copy" >"$work/lupdate.log" 2>&1 \
        || { cat "$work/lupdate.log"; exit 1; }
    # One record per message; its source text and what is wrong with it.
    awk -v file="$(basename "$ts")" 'BEGIN { RS = "</message>"; found = 0 }
        /<message/ {
            problem = ""
            if (match($0, /type="(unfinished|vanished|obsolete)"/))
                problem = substr($0, RSTART + 6, RLENGTH - 7)
            else if ($0 ~ /<translation><\/translation>|<numerusform><\/numerusform>/)
                problem = "empty"
            if (problem != "") {
                match($0, /<source>[^<]*/)
                text = substr($0, RSTART + 8, RLENGTH - 8)
                sub(/\n.*/, " ...", text)
                printf "%s: %s: %s\n", file, problem, text
                found = 1
            }
        }
        END { exit found }' "$copy" || status=1
done
[ "$status" = 0 ] && echo "every text has its translation"
exit "$status"
