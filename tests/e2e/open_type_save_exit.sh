#!/usr/bin/env bash
# Starts the real quillmar with a file on the command line on a private Xvfb
# display (fresh settings and data folders), waits for the splash to close by
# itself, types into the document, saves with Ctrl+S, opens help (F1), leaves
# with File > Exit (Alt+F, x) and compares the saved bytes, the backup and
# the settings written at exit with what a user expects.
# Usage: open_type_save_exit.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"

PAGE="$WORK/page.html"
printf '<P>Hello</P>\r\n' >"$PAGE"
startProgram "$PAGE"

# The document opened last is active with the caret at 1:1.
xdotool type --delay 30 'Typed '
xdotool key ctrl+s
sleep 0.3

# Tag commands: select the typed word with Shift+arrows, make it bold with
# Ctrl+B and save again; the saved bytes below hold the bold tags around it.
xdotool key Home
xdotool key --delay 30 shift+Right shift+Right shift+Right shift+Right shift+Right
xdotool key ctrl+b
sleep 0.2
xdotool key ctrl+s
sleep 0.3
# Help opens a window of its own; leaving must close it too.
xdotool key F1
window '^Quillmar Help' >/dev/null || fail "F1 opened no help window"
xdotool windowfocus --sync "$MAIN"
exitProgram

expect_bytes "$PAGE" '<B>Typed</B> <P>Hello</P>\r\n'
# Each save backs up the file as the previous save left it.
expect_bytes "$WORK/page.BAK" 'Typed <P>Hello</P>\r\n'

[ -f "$INI" ] || fail "no settings file written at exit"
check MRU 0 "$PAGE"
check MRU 1 ""
check "Application Header" "Programe Name" "Quillmar Pro 32 HTML Editor"
check "Application Header" Version "Version 32.2.4.1"
check "Application Options" "Document Tabs" 1
check "Application Options" "Edit ToolBar" 1
echo "PASS"
