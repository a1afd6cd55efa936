#!/usr/bin/env bash
# The pick lists in the real program: the tip of the day shows at start-up;
# F3 opens the HTML Tags window, and a real mouse drag of its first entry
# (the comment, "<!--" and "-->") onto the document inserts that pair at the
# caret; F5's note pad keeps what was typed in notes.txt after File > Exit.
# Usage: pick_list_drag.sh <quillmar binary> [screenshot folder]
set -uo pipefail
BIN="$1"
SHOTS="${2:-}"
. "$(dirname "$0")/xvfb_session.sh"
shot() { [ -z "$SHOTS" ] || import -window root "$SHOTS/$1.png"; }

mkdir -p "$XDG_CONFIG_HOME/quillmar"
printf '[System]\r\nOpen Template=0\r\n' >"$XDG_CONFIG_HOME/quillmar/QUILLMAR.INI"
PAGE="$WORK/page.htm"
printf 'X\r\n' >"$PAGE"
KEEP_TIP=1 startProgram "$PAGE"

sleep 0.3
shot tip
closeTip

xdotool windowfocus --sync "$MAIN" key F3
TAGS="$(window '^HTML Tags$')" || fail "F3 showed no HTML Tags window"
xdotool windowmove --sync "$TAGS" 880 420
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$TAGS")"
shot tags
# The first entry sits just under the window's menu bar.
xdotool mousemove --sync $((X + 40)) $((Y + 30))
xdotool mousedown 1
for step in 1 2 3 4 5 6 8 10 15 20 30; do
  xdotool mousemove --sync $((X + 40 - step * 15)) $((Y + 30 - step * 5)); sleep 0.05
done
xdotool mousemove --sync 300 600; sleep 0.2
xdotool mousemove --sync 310 610; sleep 0.2
xdotool mouseup 1
sleep 0.5
shot dropped

xdotool windowfocus --sync "$MAIN" key ctrl+s
sleep 0.5
expect_bytes "$PAGE" '<!---->X\r\n'

xdotool windowfocus --sync "$MAIN" key F5
PAD="$(window '^Quillmar NotePad$')" || fail "F5 showed no note pad"
sleep 0.3
xdotool windowfocus --sync "$PAD" key ctrl+a
xdotool type --delay 20 'kept notes'
shot notepad
xdotool windowfocus --sync "$MAIN"
exitProgram
expect_bytes "$XDG_DATA_HOME/quillmar/notes.txt" 'kept notes'
echo "PASS"
