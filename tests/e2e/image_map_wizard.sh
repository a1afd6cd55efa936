#!/usr/bin/env bash
# The image map wizard in the real program: Wizards > Client Side Image Map
# Wizard, "Load Image ..." through the file dialog, a rectangle dragged over
# the picture with the mouse, its link typed at once, a circle placed by
# "Add Area" and its coordinates typed, To Document, Ctrl+S; the saved bytes
# are compared.
# Usage: image_map_wizard.sh <quillmar binary> [screenshot.png]
set -uo pipefail
BIN="$1"
SHOT="${2:-}"
. "$(dirname "$0")/xvfb_session.sh"
command -v convert >/dev/null || { echo "SKIP: convert (imagemagick) is not installed"; exit 77; }

PAGE="$WORK/page.htm"
printf '<BODY>\n\n</BODY>\n' >"$PAGE"
mkdir -p "$WORK/img"
convert -size 300x150 xc:'#336699' "$WORK/img/nav.png" || fail "could not make the picture"
startProgram "$PAGE"
xdotool key Down
xdotool key alt+z
sleep 0.3
xdotool key m
WIZ="$(window '^Client Side Image Maps$')" || fail "the image map wizard did not open"
xdotool windowmove --sync "$WIZ" 0 0
sleep 0.5
xdotool windowfocus --sync "$WIZ" key alt+l
dialog '^Load Image$' || fail "Load Image ... showed no file dialog"
xdotool type --delay 20 "$WORK/img/nav.png"
xdotool key Return
sleep 0.8
xdotool windowfocus --sync "$WIZ"

# The picture is drawn centred in its scroll area: find its colour on the screen.
import -window root "$WORK/shot.png"
read -r PX PY < <(convert "$WORK/shot.png" -fill black +opaque '#336699' -fill white -opaque '#336699' \
  -trim -format '%X %Y' info: | tr -d '+')
[ -n "${PX:-}" ] || fail "the picture is not on the screen"
xdotool mousemove $((PX + 10)) $((PY + 20))
xdotool mousedown 1
sleep 0.1
xdotool mousemove $((PX + 60)) $((PY + 50))
sleep 0.1
xdotool mousemove $((PX + 110)) $((PY + 80))
sleep 0.1
xdotool mouseup 1
sleep 0.5
xdotool type --delay 30 "home.html"
xdotool key Return
sleep 0.3

# A circle by the keyboard: choose the shape, add it, type its coordinates.
xdotool key alt+c alt+a
sleep 0.3
xdotool type --delay 30 "250,75,20"
xdotool key Return
sleep 0.3
[ -n "$SHOT" ] && import -window root "$SHOT"
xdotool key alt+t
sleep 0.5
xdotool windowfocus --sync "$MAIN" key ctrl+s
sleep 0.5
exitProgram

expect_bytes "$PAGE" '<BODY>\n<IMG SRC="img/nav.png" WIDTH="300" HEIGHT="150" ALT="" USEMAP="#nav" BORDER="0">\n<MAP NAME="nav">\n<AREA SHAPE="RECT" COORDS="10,20,110,80" HREF="home.html" ALT="">\n<AREA SHAPE="CIRCLE" COORDS="250,75,20" NOHREF ALT="">\n</MAP>\n\n</BODY>\n'
echo "PASS"
