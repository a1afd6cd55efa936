#!/usr/bin/env bash
# The table wizard in the real program, as a user drives it: opened from the
# Wizards menu, filled with key presses (rows, border, a heading through the Heading
# field, title 2 as footer, cells typed into the grid, a second heading after
# leaving the grid with Ctrl+Shift+Tab), OK pastes the table at the caret,
# Ctrl+S saves; the file's bytes are compared.
# Usage: table_wizard.sh <quillmar binary> [screenshot.png]
set -uo pipefail
BIN="$1"
SHOT="${2:-}"
. "$(dirname "$0")/xvfb_session.sh"

PAGE="$WORK/page.htm"
printf '<BODY>\n</BODY>\n' >"$PAGE"
startProgram "$PAGE"
xdotool key Down
xdotool key alt+z
sleep 0.3
xdotool key t
WIZ="$(window '^Quillmar Table Wizard$')" || fail "the table wizard did not open"
sleep 0.5
xdotool windowfocus --sync "$WIZ"
k() { xdotool key --delay 60 "$@"; sleep 0.1; }
t() { xdotool type --delay 40 "$1"; sleep 0.1; }

k ctrl+a; t 3                     # Rows
k Tab Tab; k ctrl+a; t 3          # Columns, Border Width
k Tab Tab                         # First Row is Header, Heading
k ctrl+a; t Name; k Tab           # leaving Heading sets column 0's heading
k Tab Tab Tab                     # Set, Table Title 1, Use Title 1 ?, Table Title 2
t Note; k Tab space               # Use Title 2 ? ticked
k Tab Tab                         # As Footer ?, the grid at row 1, column 0
t Ann; k Tab; t 30; k Tab; t Bob; k Return
k Right                           # column 1 is current
k ctrl+shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
k ctrl+a; t Age; k Tab            # column 1's heading
sleep 0.3
[ -z "$SHOT" ] || import -window root "$SHOT"
k Return                          # OK, the default button
for _ in $(seq 30); do xdotool search --onlyvisible --name '^Quillmar Table Wizard$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Quillmar Table Wizard$' >/dev/null 2>&1 && fail "OK did not close the wizard"
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+s
sleep 0.5
exitProgram

expect_bytes "$PAGE" '<BODY>\n<table border=3>\n<tr><th nowrap colspan=2>My Title</th></tr>\n<tr>\n<TH nowrap>Name</TH>\n<TH nowrap>Age</TH>\n</tr>\n<tr>\n<td nowrap>Ann</td>\n<td nowrap>30</td>\n</tr>\n<tr>\n<td nowrap>Bob</td>\n<td nowrap><br></td>\n</tr>\n<tr><th nowrap colspan=2>Note</th></tr>\n</table><p>\n</BODY>\n'
echo "PASS"
