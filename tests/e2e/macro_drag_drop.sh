#!/usr/bin/env bash
# Starts the real quillmar on a private Xvfb display with a user macro and a
# page, opens the macro pick list from the Insert menu (Alt+I, c), drags the
# macro with the mouse onto the document, expands the macros from the Tools
# menu, saves with Ctrl+S and compares the saved bytes: the drop put the key
# at the caret and the expansion replaced it.
# Usage: macro_drag_drop.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"

mkdir -p "$XDG_DATA_HOME/quillmar"
printf '[DRAG]\tdropped\r\n' >"$XDG_DATA_HOME/quillmar/user.mcr"
PAGE="$WORK/page.html"
printf 'AB\r\n' >"$PAGE"
startProgram "$PAGE"

xdotool key alt+i
sleep 0.3
xdotool key c
PICK="$(window '^Macros$')" || fail "Alt+I, c opened no macro pick list"
sleep 0.5
# No window manager: the window goes where it is told. Its first row, the
# user macro, lies below the menu bar.
xdotool windowmove --sync "$PICK" 600 300
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$PICK")"
xdotool mousemove $((X + 30)) $((Y + 32))
xdotool mousedown 1
sleep 0.2
xdotool mousemove $((X + 40)) $((Y + 40))
sleep 0.2
xdotool mousemove 300 500
sleep 0.3
xdotool mousemove 200 500
sleep 0.3
xdotool mouseup 1
sleep 0.5

# Tools > Expand Macros Now (Alt+T, e), then OK on its message.
xdotool windowfocus --sync "$MAIN"
xdotool key alt+t
sleep 0.3
xdotool key e
window '^Quillmar Pro 32 HTML Editor$' >/dev/null || fail "no message after the expansion"
sleep 0.3
xdotool key Return
sleep 0.3
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+s
sleep 0.3
exitProgram

expect_bytes "$PAGE" 'droppedAB\r\n'
echo "PASS"
