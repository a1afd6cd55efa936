#!/usr/bin/env bash
# Runs the editor on a private virtual X display, closes the start-up windows
# the way a user would (Enter on the splash window, Escape on the tip window),
# saves a screenshot of the main window and prints the PNG's path.
# Usage: headless-screenshot.sh <quillmar binary> [files...]
set -euo pipefail
BIN="$1"; shift
OUT="${QM_SCREENSHOT:-$(mktemp -d)/quillmar-main-window.png}"

. "$(dirname "$0")/start-xvfb.sh"
startXvfb /dev/null || { echo "Xvfb did not start" >&2; exit 1; }
cleanup() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

"$BIN" "$@" &
APP_PID=$!

# Wait for a window with the given name and press a key in it.
dismiss() {
  local name="$1" key="$2" wid=""
  for _ in $(seq 100); do
    wid="$(xdotool search --name "^$name\$" 2>/dev/null | head -1 || true)"
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -z "$wid" ] && return 1
  sleep 0.3
  xdotool windowfocus --sync "$wid" key "$key" || true
  return 0
}

dismiss "Quillmar HTML Editor" Return || true
dismiss "Tip of the day" Escape || true
main=""
for _ in $(seq 100); do
  main="$(xdotool search --name "^Quillmar Pro HTML Editor" 2>/dev/null | head -1 || true)"
  [ -n "$main" ] && break
  sleep 0.1
done
sleep 1
import -window root "$OUT"
echo "$OUT"
