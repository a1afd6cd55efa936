#!/usr/bin/env bash
# The Home page wizard driven by real key presses: opened from the File menu
# (Alt+F, H), a title typed on the "Document Title" page (Alt+T), "Create it"
# by Enter; the new document is saved through the Save As dialog and its
# bytes compared with the page a user expects (LF line ends, as new
# documents have them).
# Usage: home_page_keys.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"

mkdir -p "$XDG_CONFIG_HOME/quillmar"
printf '[System]\r\nOpen Template=0\r\n[Application Header]\r\nUser Name=Jo\r\nEMail=jo@example.org\r\n' \
  >"$XDG_CONFIG_HOME/quillmar/QUILLMAR.INI"
startProgram

xdotool key alt+f
sleep 0.3
xdotool key h
WIZ="$(window '^Home Page Wizard$')" || fail "File > New Home Page opened no window"
xdotool windowfocus --sync "$WIZ"
sleep 0.3
xdotool key alt+t
sleep 0.2
xdotool key ctrl+a
xdotool type --delay 20 'Our Page'
xdotool key Return
sleep 0.5

xdotool windowfocus --sync "$MAIN"
PAGE="$WORK/home.html"
xdotool key ctrl+shift+s
SAVE="$(window '^Save')" || fail "Save As showed no dialog"
xdotool windowfocus --sync "$SAVE"
sleep 0.3
xdotool type --delay 20 "$PAGE"
xdotool key Return
for _ in $(seq 30); do [ -f "$PAGE" ] && break; sleep 0.1; done
xdotool windowfocus --sync "$MAIN"
exitProgram

[ -f "$PAGE" ] || fail "the page was not saved"
# The date is the locale's short form of today; the line is found by its frame.
DATE="$(sed -n 's/^<I>Last updated by Jo on \(.*\)<\/I>$/\1/p' "$PAGE")"
[ -n "$DATE" ] || fail "no last-updated line in $(cat "$PAGE")"
expect_bytes "$PAGE" '<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN//3.0">\n<HTML>\n<HEAD>\n<TITLE>Our Page</TITLE>\n</HEAD>\n\n<BODY BACKGROUND="Image Name" BGCOLOR="#CCCCCC" TEXT="#000099">\n\n<h3 ALIGN=LEFT>Welcome to</h3>\n<IMG SRC="Image Name" BORDER=1>\n<h1 ALIGN=LEFT>Our Page</h1>\n<p>\n<HR SIZE=2>\n<h1>Introduction</h1>\n<!-- The text for "Introduction" goes here. -->\n<P>\n<HR SIZE=1>\n<h1>About Me</h1>\n<!-- The text for "About Me" goes here. -->\n<P>\n<HR SIZE=1>\nSend comments and mail to <A HREF="Mailto:jo@example.org">Jo</a><P>\n<ADDRESS>\n<STRONG>Your Address</STRONG><BR>\n</ADDRESS><P>\n<hr><p>\n<I>Last updated by Jo on '"${DATE//%/%%}"'</I>\n</BODY>\n</HTML>\n\n'
echo "PASS"
