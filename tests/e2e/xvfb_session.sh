# Shared by the end-to-end scripts (sourced): a private Xvfb display, fresh
# settings and data folders in $WORK, and fail, window, startProgram,
# closeTip, exitProgram, expect_bytes, value and check.
for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

WORK="$(mktemp -d)"
WORK="$(realpath "$WORK")"
export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

XVFB_PID="" APP_PID=""
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  kill -0 "$XVFB_PID" 2>/dev/null || echo "(Xvfb ended: $(tail -3 "$WORK/xvfb.log"))"
  [ -f "$WORK/app.log" ] && { echo "(display $DISPLAY; the program said:)"; tail -8 "$WORK/app.log"; }
  exit 1
}

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/start-xvfb.sh"
startXvfb "$WORK/xvfb.log" || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"

# The window whose name matches, waited for.
window() {
  local wid=""
  for _ in $(seq 100); do
    wid="$(xdotool search --name "$1" 2>/dev/null | head -1)"
    if [ -n "$wid" ]; then
      # Named before it is mapped: focusing it then fails (BadMatch).
      for _ in $(seq 30); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -qx "$wid" && break
        sleep 0.1
      done
      echo "$wid"
      return 0
    fi
    kill -0 "$APP_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits until a window whose name matches is shown (a file dialog can take a
# while on a busy machine) and gives it the focus, as no window manager does
# here.
dialog() {
  local wid=""
  for _ in $(seq 150); do
    wid="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)"
    if [ -n "$wid" ]; then
      xdotool windowfocus --sync "$wid" 2>/dev/null
      sleep 0.3
      return 0
    fi
    kill -0 "$APP_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits up to the given seconds for a colour ("#rrggbb") to be on the screen;
# the last screenshot stays in $WORK/shot.png. A cold web engine (no shader
# cache yet on a machine without a GPU) can take most of a minute.
screenShows() {
  local end=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$end" ]; do
    import -window root "$WORK/shot.png" 2>/dev/null
    convert "$WORK/shot.png" -format %c histogram:info:"$WORK/colours.txt" 2>/dev/null
    # Read from a file: grep -q ending a pipe early fails it under pipefail.
    grep -qi "$1" "$WORK/colours.txt" && return 0
    sleep 0.2
  done
  return 1
}

# Starts "$BIN" with the given arguments and waits for the splash to close by
# itself (the files open while it shows); sets APP_PID and MAIN (the main window).
startProgram() {
  "$BIN" "$@" >"$WORK/app.log" 2>&1 &
  APP_PID=$!
  if ! window '^Quillmar HTML Editor$' >/dev/null; then
    # On a crowded machine the X server has now and then refused the
    # program's first connection although it answered a moment before; that
    # is the test machine, not the program: one more start, said in the log.
    grep -q 'could not connect to display' "$WORK/app.log" || fail "no splash window"
    echo "note: the program could not connect to $DISPLAY; started again"
    "$BIN" "$@" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    window '^Quillmar HTML Editor$' >/dev/null || fail "no splash window"
  fi
  for _ in $(seq 50); do xdotool search --onlyvisible --name '^Quillmar HTML Editor$' >/dev/null 2>&1 || break; sleep 0.1; done
  xdotool search --onlyvisible --name '^Quillmar HTML Editor$' >/dev/null 2>&1 && fail "the splash did not close by itself"
  MAIN="$(window '^Quillmar Pro HTML Editor')" || fail "no main window"
  # The tip of the day follows unless [Start Options] Tips=0; TIP is its
  # window. It is closed here unless the script sets KEEP_TIP=1.
  TIP=""
  if [ "$(value 'Start Options' Tips 2>/dev/null)" != 0 ]; then
    TIP="$(window '^Tip of the day$')" || fail "no tip of the day at start-up"
    [ -n "${KEEP_TIP:-}" ] || closeTip
  fi
  # Document windows live inside the main window (no X windows of their own).
  sleep 0.5
  xdotool windowfocus --sync "$MAIN"
}

closeTip() {
  sleep 0.3
  xdotool windowfocus --sync "$TIP" key Return
  for _ in $(seq 50); do xdotool search --onlyvisible --name '^Tip of the day$' >/dev/null 2>&1 || return 0; sleep 0.1; done
  fail "the tip window did not close"
}

# Leaves with File > Exit (Alt+F, x) and waits for a clean end.
exitProgram() {
  xdotool key alt+f
  sleep 0.3
  xdotool key x
  for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$APP_PID" 2>/dev/null; then fail "File > Exit did not end the program"; fi
  wait "$APP_PID"; local rc=$?; APP_PID=""
  [ "$rc" -eq 0 ] || fail "the program ended with status $rc: $(cat "$WORK/app.log")"
}

expect_bytes() {  # file, printf format of the expected bytes
  local want; want="$(printf "$2" | od -An -c)"
  local got; got="$(od -An -c "$1" 2>/dev/null)"
  [ "$want" = "$got" ] || fail "$1 holds [$got], expected [$want]"
}

INI="$XDG_CONFIG_HOME/quillmar/QUILLMAR.INI"
# The value of a key in a section of QUILLMAR.INI, as written (bytes).
value() {
  LC_ALL=C awk -v s="[$1]" -v k="$2" '
    { sub(/\r$/, "") }
    /^\[/ { in_s = ($0 == s); next }
    in_s && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }' "$INI"
}
check() { [ "$(value "$1" "$2")" = "$3" ] || fail "[$1] $2 is '$(value "$1" "$2")', expected '$3'"; }
