#!/usr/bin/env bash
# Runs a test program on its own Xvfb display with the xcb platform, so Qt
# sees key presses as a real X server delivers them (xdotool sends them).
# Skips (77) when Xvfb or xdotool is missing.
# Usage: run_on_xvfb.sh <program> [arguments...]
set -uo pipefail
for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
LOG="$(mktemp)"
XVFB_PID=""
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -f "$LOG"
}
trap cleanup EXIT

. "$(dirname "$0")/../../scripts/start-xvfb.sh"
startXvfb "$LOG" || { echo "FAIL: Xvfb did not start: $(cat "$LOG")"; exit 1; }
export QT_QPA_PLATFORM=xcb
"$@"
