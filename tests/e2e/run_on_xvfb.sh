#!/usr/bin/env bash
# Runs a test program on its own Xvfb display with the xcb platform, so Qt
# sees key presses as a real X server delivers them (xdotool sends them).
# Xvfb picks a display number nobody uses, so two runs never share one.
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

# Xvfb picks a free display number and tells it on a pipe (-displayfd).
exec 5<> <(:)
Xvfb -displayfd 5 -screen 0 1280x900x24 -nolisten tcp >"$LOG" 2>&1 &
XVFB_PID=$!
disp=""
read -r -t 10 disp <&5 || true
[ -n "$disp" ] || { echo "FAIL: Xvfb did not start: $(cat "$LOG")"; exit 1; }
export DISPLAY=":$disp" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$@"
