#!/usr/bin/env bash
# The template chooser and the project window from the real program's menus
# on a private Xvfb display: F2 opens the project window, "Open Project"
# loads a project and "Open All" opens its files; "New from Template" with OK
# starts a document from the Simple page, which Ctrl+S saves under a name.
# The saved bytes and the recent files written at exit show what happened.
# Usage: template_and_project.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"

printf '<P>a</P>\r\n' >"$WORK/a.htm"
printf '<P>b</P>\r\n' >"$WORK/b.htm"
printf 'Site\r\n%s\r\n\t%s\r\n' "$WORK/a.htm" "$WORK/b.htm" >"$WORK/site.qpr"
startProgram

xdotool key F2
PROJ="$(window '^Project Organiser$')" || fail "F2 opened no project window"
dialog '^Project Organiser$' || fail "the project window was not shown"
xdotool key alt+o
dialog '^Open Project$' || fail "Open Project showed no file dialog"
xdotool type --delay 20 "$WORK/site.qpr"
xdotool key Return
sleep 0.5
# Without a window manager nobody hands the focus back after a dialog.
xdotool windowfocus --sync "$PROJ" key alt+l
sleep 0.5
xdotool windowfocus --sync "$PROJ" key alt+c
sleep 0.5

xdotool windowfocus --sync "$MAIN" key alt+f
sleep 0.3
xdotool key t
dialog '^Quillmar Templates$' || fail "no template chooser"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$MAIN" key ctrl+s
dialog '^Save As$' || fail "Ctrl+S on a new document showed no Save As dialog"
xdotool type --delay 20 "$WORK/out.html"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$MAIN"
exitProgram

expect_bytes "$WORK/out.html" '<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN//2.0"> \n<HTML>\n<!-- Sample Template for a HTML Document created by Quillmar Pro Version 2 -->\n\n<HEAD>\n<TITLE>Document Title</TITLE>\n</HEAD>\n\n<BODY>\n<H1>Main Page Heading</H1>\n<H2>Heading Level 2</H2>\n<P>Body Text.</P>\n</BODY>\n\n</HTML>\n\n'
check MRU 0 "$WORK/out.html"
check MRU 1 "$WORK/b.htm"
check MRU 2 "$WORK/a.htm"
echo "PASS"
