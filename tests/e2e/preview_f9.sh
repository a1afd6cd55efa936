#!/usr/bin/env bash
# F9 in the real program: the preview window opens over the document with the
# page rendered (its own background colour is on the screen), Escape closes
# it, and the program ends cleanly.
# Usage: preview_f9.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"
command -v import >/dev/null || { echo "SKIP: import (imagemagick) is not installed"; exit 77; }

PAGE="$WORK/page.html"
printf '<html><head><title>Coloured</title></head><body bgcolor="#123456" text="#FFFFFF">\n<table border=1><tr><td>cell</td></tr></table>\n</body></html>\n' >"$PAGE"
startProgram "$PAGE"

xdotool key F9
PREVIEW="$(window '^Quillmar Preview : Coloured$')" || fail "F9 showed no preview of the page"
[ -f "$WORK/temp.qlm" ] || fail "no temp.qlm beside the document"
# The first page of a run starts the web engine: give it time.
screenShows '#123456' 150 || fail "the page's background never reached the screen"

# The window system may have given the preview a new window when the
# engine's view first showed: take the one that is there now.
PREVIEW="$(xdotool search --onlyvisible --name '^Quillmar Preview : Coloured$' 2>/dev/null | tail -1)"
xdotool windowfocus --sync "$PREVIEW" key Escape
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Quillmar Preview' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Quillmar Preview' >/dev/null 2>&1 && fail "Escape did not close the preview"
xdotool windowfocus --sync "$MAIN"
exitProgram
echo "PASS"
