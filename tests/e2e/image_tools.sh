#!/usr/bin/env bash
# Tools > "Quillmar Image Tools ..." with the program linked into a folder of
# its own (a name with blanks, a quote and shell characters): disabled when no
# quilimg was beside it at start-up, even once one is put there; enabled when
# one was, starting it detached with no arguments and no shell (the folder's
# name reaches it unchanged and runs nothing); a quilimg removed since is not
# started.
# Usage: image_tools.sh <quillmar binary> [menu-enabled.png] [menu-disabled.png]
set -uo pipefail
SHOT="${2:-}"
SHOT_OFF="${3:-}"
. "$(dirname "$0")/xvfb_session.sh"

DIR="$WORK/my tools \$(touch $WORK/shell-ran); 'x'"
mkdir -p "$DIR"
# A hard link keeps the program's own path for /proc/self/exe; a copy where
# the link cannot be made.
ln "$1" "$DIR/quillmar" 2>/dev/null || cp "$1" "$DIR/quillmar"
BIN="$DIR/quillmar"
MARK="$WORK/started"
putTools() {
  printf '#!/bin/sh\n{ echo "$#"; echo "$0"; } >>"%s"\n' "$MARK" >"$DIR/quilimg"
  chmod 755 "$DIR/quilimg"
}
# Alt+T, then Q (the item's key), then Escape for a menu a disabled item leaves open.
chooseImageTools() {
  xdotool windowfocus --sync "$MAIN"
  xdotool key alt+t
  sleep 0.3
  [ -z "${1:-}" ] || import -window root "$1"
  xdotool key q
  sleep 1
  xdotool key Escape Escape
  sleep 0.2
}

startProgram
putTools
chooseImageTools "$SHOT_OFF"
[ -e "$MARK" ] && fail "the item started quilimg, which was not there at start-up"
exitProgram

startProgram
chooseImageTools "$SHOT"
for _ in $(seq 30); do [ -s "$MARK" ] && break; sleep 0.1; done
[ "$(cat "$MARK" 2>/dev/null)" = "$(printf '0\n%s' "$DIR/quilimg")" ] ||
  fail "quilimg was not started once with no arguments: [$(cat "$MARK" 2>/dev/null)]"
rm "$DIR/quilimg"
chooseImageTools
[ "$(wc -l <"$MARK")" -eq 2 ] || fail "something ran after quilimg was removed"
exitProgram
[ -e "$WORK/shell-ran" ] && fail "the folder's name went through a shell"
echo "PASS"
