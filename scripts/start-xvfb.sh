# Sourced: startXvfb <log file> starts a private Xvfb and waits until it
# answers; sets XVFB_PID and exports DISPLAY. Returns 1 when none started.
#
# The display number is drawn at random from a wide range instead of being
# the lowest free one: a server that is shutting down gives up its lock
# before it has removed its socket, so a new server handed the same number
# at that moment can lose its socket, and a program started on it later
# cannot connect. A number in use stops Xvfb at once and another is tried.
startXvfb() {
  local log="$1" disp="" n ready
  ready="$(mktemp)"
  XVFB_PID=""
  for _ in $(seq 20); do
    n=$(( (RANDOM * 32768 + RANDOM) % 30000 + 100 ))
    : >"$ready"
    # -displayfd writes the number once the server listens.
    Xvfb ":$n" -displayfd 5 -screen 0 1280x900x24 -nolisten tcp >"$log" 2>&1 5>"$ready" &
    XVFB_PID=$!
    for _ in $(seq 100); do
      [ "$(wc -l <"$ready")" -ge 1 ] && { disp="$(head -1 "$ready")"; break; }
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    [ -n "$disp" ] && break
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  done
  rm -f "$ready"
  [ -n "$disp" ] || return 1
  export DISPLAY=":$disp"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}
