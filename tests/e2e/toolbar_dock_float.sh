#!/usr/bin/env bash
# Moves toolbars with the mouse in the real program: drags the Tables toolbar
# by its grip onto the left edge, floats the Lists toolbar by a double-click
# and moves its window, leaves with File > Exit, and checks quil32tb.ini and
# that the Lists toolbar comes back floating after a restart.
# QM_SCREENSHOT=<file.png> keeps a picture of the moved toolbars.
# Usage: toolbar_dock_float.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"
LAYOUT="$XDG_CONFIG_HOME/quillmar/quil32tb.ini"
layout() {  # section, key
  LC_ALL=C awk -v s="[$1]" -v k="$2" '
    { sub(/\r$/, "") }
    /^\[/ { in_s = ($0 == s); next }
    in_s && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }' "$LAYOUT"
}

startProgram
# The designed layout below the menu bar: lines of 29 pixels; the third line
# starts with Lists (8 buttons, 229 pixels long) followed by Tables.
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
[ "$WIDTH" -ge 1000 ] && [ "$WIDTH" -lt 1208 ] || echo "note: main window is $WIDTH wide"
MENU=20  # the menu bar
LINE3=$(( MENU + 2 * 29 + 14 ))

# Drag Tables by its grip (2 pixels into it) onto the left edge.
xdotool mousemove 231 "$LINE3" mousedown 1
for y in 150 250 400; do xdotool mousemove 40 "$y"; sleep 0.05; done
xdotool mousemove 3 400
sleep 0.2
xdotool mouseup 1
sleep 0.5

# Float Lists by a double-click on its grip, then move its window.
xdotool mousemove 2 "$LINE3" click --repeat 2 --delay 80 1
LISTS="$(window '^Lists$')" || fail "no floating Lists window"
xdotool windowmove "$LISTS" 700 300
sleep 0.5
if [ -n "${QM_SCREENSHOT:-}" ]; then import -window root "$QM_SCREENSHOT"; fi
xdotool windowfocus --sync "$MAIN"
exitProgram

[ -f "$LAYOUT" ] || fail "no toolbar layout written at exit"
[ "$(layout TableToolBar Docked)" = 1 ] || fail "Tables is not docked: $(cat "$LAYOUT")"
[ "$(layout TableToolBar Align)" = 3 ] || fail "Tables is not on the left: $(cat "$LAYOUT")"
[ "$(layout TableToolBar Width)" = 29 ] || fail "Tables is not 29 thick: $(cat "$LAYOUT")"
[ "$(layout ListToolBar Docked)" = 0 ] || fail "Lists is not floating: $(cat "$LAYOUT")"
[ "$(layout ListToolBar FLeft)" = 700 ] && [ "$(layout ListToolBar FTop)" = 300 ] ||
  fail "Lists window place not kept: $(cat "$LAYOUT")"

startProgram
LISTS="$(window '^Lists$')" || fail "Lists does not come back floating"
eval "$(xdotool getwindowgeometry --shell "$LISTS")"
[ "$X" = 700 ] && [ "$Y" = 300 ] || fail "Lists came back at $X,$Y"
xdotool windowfocus --sync "$MAIN"
exitProgram
echo "PASS"
