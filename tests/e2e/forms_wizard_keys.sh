#!/usr/bin/env bash
# The Forms wizard driven by real key presses: opened from the Wizards menu
# (Alt+Z, F), the Action URL typed, the form declaration sent with Enter,
# text typed between its tags, a submit button sent from the next page
# (Ctrl+Tab, Enter), then Ctrl+S; the saved bytes and the Action URL setting
# are compared with what a user expects.
# Usage: forms_wizard_keys.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"

PAGE="$WORK/form.html"
printf '<BODY>\r\n' >"$PAGE"
startProgram "$PAGE"

xdotool key alt+z
sleep 0.3
xdotool key f
WIZ="$(window '^Quillmar Forms Wizard$')" || fail "Wizards > Forms Wizard opened no window"
xdotool windowfocus --sync "$WIZ"
sleep 0.3
# The Method list has the focus; Tab goes on to the Action field.
xdotool key Tab ctrl+a
xdotool type --delay 20 'http://example.org/cgi'
xdotool key Return
sleep 0.3

xdotool windowfocus --sync "$MAIN"
xdotool type --delay 30 'Name: '
xdotool windowfocus --sync "$WIZ"
xdotool key ctrl+Tab
sleep 0.2
xdotool key Return
sleep 0.3
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+s
sleep 0.3
exitProgram

expect_bytes "$PAGE" '<FORM METHOD="POST" ACTION="http://example.org/cgi" ENCTYPE="application/x-www-form-urlencoded">Name: <INPUT TYPE=SUBMIT VALUE="SUBMIT"></FORM><BODY>\r\n'
check "Form Defaults" "Action URL" "http://example.org/cgi"
echo "PASS"
