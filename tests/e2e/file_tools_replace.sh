#!/usr/bin/env bash
# Tools > "Quillmar File Tools": two files chosen in the open dialog, Replace
# in Files typed and confirmed, while one of them is open unchanged in a
# document window. The window shows the new text at once (a key typed and
# Ctrl+S then save it with the replacement), the backup keeps the old text,
# and no question about a file changed on disk comes up.
# Usage: file_tools_replace.sh <quillmar binary> [after.png]
set -uo pipefail
BIN="$1"
SHOT="${2:-}"
. "$(dirname "$0")/xvfb_session.sh"

printf 'old and old\r\n' >"$WORK/a.htm"
printf 'old\r\n' >"$WORK/b.htm"
startProgram "$WORK/a.htm"

xdotool key alt+t
sleep 0.3
xdotool key f
TOOLS="$(window '^Quillmar File Tools$')" || fail "no file tools window"
xdotool windowfocus --sync "$TOOLS" key alt+s
dialog '^Open$' || fail "Select Files showed no file dialog"
xdotool type --delay 20 "$WORK"
xdotool key Return
sleep 0.5
xdotool type --delay 20 '"a.htm" "b.htm"'
xdotool key Return
sleep 0.5
# The list keeps the focus; four Tabs reach "Replace in Files".
xdotool windowfocus --sync "$TOOLS" key Tab Tab Tab Tab space
sleep 1
xdotool type --delay 20 'old'
xdotool key Return
sleep 0.5
xdotool type --delay 20 'new'
xdotool key Return
sleep 0.5
xdotool key alt+y
sleep 1
xdotool key Return  # the report
sleep 0.5
xdotool windowfocus --sync "$TOOLS" key Escape
sleep 0.5
xdotool windowfocus --sync "$MAIN"
sleep 0.5
[ -z "$SHOT" ] || import -window root "$SHOT"
xdotool type --delay 20 'Z'
xdotool key ctrl+s
sleep 0.5
exitProgram

expect_bytes "$WORK/a.htm" 'Znew and new\r\n'
expect_bytes "$WORK/a.bak" 'old and old\r\n'
expect_bytes "$WORK/b.htm" 'new\r\n'
echo "PASS"
