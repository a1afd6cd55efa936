#!/usr/bin/env bash
# Starts the real quillmar with a file on the command line on a private Xvfb
# display (fresh settings and data folders), waits for the splash to close by
# itself, types into the document, saves with Ctrl+S, opens help (F1), leaves
# with File > Exit (Alt+F, x) and compares the saved bytes, the backup and
# the settings written at exit with what a user expects.
# Usage: run_on_xvfb.sh open_type_save_exit.sh <quillmar binary>
set -uo pipefail
BIN="$1"
# The display is run_on_xvfb.sh's (the test runs under it).
[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display (run through run_on_xvfb.sh)"; exit 77; }

WORK="$(mktemp -d)"
WORK="$(realpath "$WORK")"
export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

APP_PID=""
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
xdpyinfo >/dev/null 2>&1 || fail "no X display"

PAGE="$WORK/page.html"
printf '<P>Hello</P>\r\n' >"$PAGE"

"$BIN" "$PAGE" >"$WORK/app.log" 2>&1 &
APP_PID=$!

# The window whose name matches, waited for.
window() {
  local wid=""
  for _ in $(seq 100); do
    wid="$(xdotool search --name "$1" 2>/dev/null | head -1)"
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    kill -0 "$APP_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

splash="$(window '^Quillmar HTML Editor$')" || fail "no splash window"
# The splash goes by itself after about two seconds.
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Quillmar HTML Editor$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Quillmar HTML Editor$' >/dev/null 2>&1 && fail "the splash did not close by itself"
main="$(window '^Quillmar Pro HTML Editor')" || fail "no main window"
# Document windows live inside the main window (no X windows of their own);
# the file was opened while the splash showed.
sleep 0.5
xdotool windowfocus --sync "$main"

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
xdotool windowfocus --sync "$main"
xdotool key alt+f
sleep 0.3
xdotool key x

for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$APP_PID" 2>/dev/null; then fail "File > Exit did not end the program"; fi
wait "$APP_PID"; rc=$?; APP_PID=""
[ "$rc" -eq 0 ] || fail "the program ended with status $rc: $(cat "$WORK/app.log")"

expect_bytes() {  # file, printf format of the expected bytes
  local want; want="$(printf "$2" | od -An -c)"
  local got; got="$(od -An -c "$1" 2>/dev/null)"
  [ "$want" = "$got" ] || fail "$1 holds [$got], expected [$want]"
}
expect_bytes "$PAGE" '<B>Typed</B> <P>Hello</P>\r\n'
# Each save backs up the file as the previous save left it.
expect_bytes "$WORK/page.BAK" 'Typed <P>Hello</P>\r\n'

INI="$XDG_CONFIG_HOME/quillmar/QUILLMAR.INI"
[ -f "$INI" ] || fail "no settings file written at exit"
# The value of a key in a section, as written.
value() {
  awk -v s="[$1]" -v k="$2" '
    { sub(/\r$/, "") }
    /^\[/ { in_s = ($0 == s); next }
    in_s && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }' "$INI"
}
check() { [ "$(value "$1" "$2")" = "$3" ] || fail "[$1] $2 is '$(value "$1" "$2")', expected '$3'"; }
check MRU 0 "$PAGE"
check MRU 1 ""
check "Application Header" "Programe Name" "Quillmar Pro 32 HTML Editor"
check "Application Header" Version "Version 32.2.4.1"
check "Application Options" "Document Tabs" 1
check "Application Options" "Edit ToolBar" 1
echo "PASS"
