#!/usr/bin/env bash
# The user's details typed into Options > Application Options (User Defaults
# page, saved with Enter) are what Insert > Mail To > Mail to Me inserts at
# once, with no restart, and what is stored under "Application Header".
# Usage: options_user_name.sh <quillmar binary> [options.png] [document.png]
set -uo pipefail
BIN="$1"
SHOT="${2:-}"
SHOT2="${3:-}"
. "$(dirname "$0")/xvfb_session.sh"

PAGE="$WORK/page.htm"
printf '<P>Hi</P>\r\n' >"$PAGE"
startProgram "$PAGE"

xdotool key alt+o
sleep 0.3
xdotool key a
OPTS="$(window '^Quillmar Application Options$')" || fail "no options dialog"
xdotool windowfocus --sync "$OPTS"
sleep 0.3
# Alt+U shows the User Defaults page; Tab reaches its first field.
xdotool key alt+u
sleep 0.2
xdotool key Tab ctrl+a
xdotool type --delay 20 'Ada Lovelace'
xdotool key Tab ctrl+a
xdotool type --delay 20 'ada@example.org'
sleep 0.3
[ -z "$SHOT" ] || import -window root "$SHOT"
xdotool key Return
for _ in $(seq 30); do xdotool search --onlyvisible --name '^Quillmar Application Options$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Quillmar Application Options$' >/dev/null 2>&1 && fail "Save did not close the dialog"

xdotool windowfocus --sync "$MAIN"
sleep 0.2
xdotool key alt+i
sleep 0.3
xdotool key m
sleep 0.3
xdotool key m
sleep 0.3
xdotool key ctrl+s
sleep 0.5
[ -z "$SHOT2" ] || import -window root "$SHOT2"
exitProgram

expect_bytes "$PAGE" '<A HREF="MailTo:ada@example.org">Ada Lovelace</A><P>Hi</P>\r\n'
check "Application Header" "User Name" "Ada Lovelace"
check "Application Header" "Email" "ada@example.org"
echo "PASS"
