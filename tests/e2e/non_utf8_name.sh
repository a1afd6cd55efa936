#!/usr/bin/env bash
# A file whose name is not UTF-8 (lat\xe9.htm, as old systems wrote names),
# named on the command line of the real program: it opens, Ctrl+S writes it
# back under the same bytes (its trailing blanks and its Latin-1 byte kept),
# and the recent-files entry written at exit is the same bytes. Such a name
# used to go through QString and come back as another name ("Unable to find").
# Usage: non_utf8_name.sh <quillmar binary> [screenshot.png]
set -uo pipefail
BIN="$1"
SHOT="${2:-}"
. "$(dirname "$0")/xvfb_session.sh"

PAGE="$WORK/lat"$'\xe9'".htm"
printf '<P>caf\351</P>  \r\n' >"$PAGE"
startProgram "$PAGE"

xdotool type --delay 30 'A'
xdotool key ctrl+s
sleep 0.5
[ -z "$SHOT" ] || import -window root "$SHOT"
exitProgram

expect_bytes "$PAGE" 'A<P>caf\351</P>  \r\n'
[ "$(ls "$WORK" | LC_ALL=C grep -c '\.htm$')" -eq 1 ] || fail "another file was written: $(ls "$WORK")"
check MRU 0 "$PAGE"
echo "PASS"
