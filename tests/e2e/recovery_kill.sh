#!/usr/bin/env bash
# Kills the real quillmar with kill -9 while the user types, starts it again
# and recovers: after saving, the file holds the text typed before a pause,
# every word typed more than three seconds before the kill, and nothing but a
# prefix of what came after.
# Three seeds of random text and timing run in one session of Xvfb; with the
# first, a second instance started meanwhile must not offer the document.
# Usage: recovery_kill.sh <quillmar binary>
set -uo pipefail
BIN="$1"
. "$(dirname "$0")/xvfb_session.sh"

# No tip of the day: the recovery window is the first thing each start shows.
mkdir -p "$XDG_CONFIG_HOME/quillmar"
printf '[Start Options]\r\nTips=0\r\n' >"$INI"
PAGE="$WORK/page.html"
JOURNALS="$XDG_DATA_HOME/quillmar/recovery"

# Random words of letters and digits, with a line break now and then.
randomText() {
  local n="$1" out="" i
  for ((i = 0; i < n; i++)); do
    out+="w$RANDOM"
    if ((RANDOM % 5 == 0)); then out+=$'\n'; else out+=" "; fi
  done
  printf '%s' "$out"
}

# Types text at the given key delay; line breaks as the Return key (xdotool
# types "\n" as a key the editor takes for no line break).
typeText() {
  local text="$1" delay="$2" line
  while [[ "$text" == *$'\n'* ]]; do
    line="${text%%$'\n'*}"
    xdotool type --delay "$delay" "$line"
    xdotool key Return
    text="${text#*$'\n'}"
  done
  [ -n "$text" ] && xdotool type --delay "$delay" "$text"
}

for seed in 11 23 37; do
  RANDOM=$seed
  printf '<P>Hello</P>\r\n' >"$PAGE"
  startProgram "$PAGE"
  first="$(randomText $((3 + RANDOM % 4)))"
  typeText "$first" $((20 + RANDOM % 30))
  # Past the two seconds after which every waiting edit is flushed.
  sleep 3
  if [ "$seed" = 11 ]; then
    # A second instance meanwhile: the first one's journal is locked, so it
    # offers nothing.
    "$BIN" >"$WORK/second.log" 2>&1 &
    SECOND=$!
    # Its start-up is over once its splash has come and gone (the recovery
    # window would follow at once).
    window '^Quillmar HTML Editor$' >/dev/null || fail "the second instance showed no splash"
    for _ in $(seq 100); do xdotool search --onlyvisible --name '^Quillmar HTML Editor$' >/dev/null 2>&1 || break; sleep 0.1; done
    [ "$(xdotool search --name '^Quillmar Pro HTML Editor' | wc -l)" -ge 2 ] || fail "no second instance"
    sleep 2
    xdotool search --name '^Recover Documents$' >/dev/null 2>&1 && fail "the second instance offered the first one's document"
    kill -9 "$SECOND"
    wait "$SECOND" 2>/dev/null
    xdotool windowfocus --sync "$MAIN"
  fi
  # Then about five seconds more typing, a word at a time, noting when each
  # was sent: a kill may lose at most the last two seconds of it.
  more="" ends=() stamps=()
  stop=$((SECONDS + 5))
  while [ "$SECONDS" -lt "$stop" ]; do
    word="w$RANDOM"
    if ((RANDOM % 5 == 0)); then word+=$'\n'; else word+=" "; fi
    typeText "$word" $((20 + RANDOM % 30))
    more+="$word"
    ends+=("${#more}")
    stamps+=("$(date +%s%N)")
  done
  sleep "0.$((RANDOM % 9))"
  killed="$(date +%s%N)"
  kill -9 "$APP_PID"
  wait "$APP_PID" 2>/dev/null
  APP_PID=""
  ls "$JOURNALS"/*.journal >/dev/null 2>&1 || fail "seed $seed: no journal left after the kill"

  startProgram
  RW="$(window '^Recover Documents$')" || fail "seed $seed: no recovery window"
  sleep 0.3
  # Recover is each row's first choice; OK is the default button.
  xdotool windowfocus --sync "$RW" key Return
  sleep 0.5
  xdotool windowfocus --sync "$MAIN"
  xdotool key ctrl+s
  sleep 0.5
  exitProgram
  ls "$JOURNALS"/*.journal >/dev/null 2>&1 && fail "seed $seed: a journal outlived the clean exit"

  # Line breaks are saved as the file's CR LF.
  saved="$(cat "$PAGE"; printf x)"
  saved="${saved%x}"
  tail=$'<P>Hello</P>\r\n'
  [[ "$saved" == *"$tail" ]] || fail "seed $seed: the file's own text is gone: [$saved]"
  typed="${saved%"$tail"}"
  flushed="${first//$'\n'/$'\r\n'}"
  all="$flushed${more//$'\n'/$'\r\n'}"
  [[ "$typed" == "$flushed"* ]] || fail "seed $seed: recovered [$typed], the flushed text was [$flushed]"
  [[ "$all" == "$typed"* ]] || fail "seed $seed: recovered [$typed], more than was typed [$all]"
  # Every word sent three seconds before the kill (two, the flush timer's
  # tick, and room for a busy machine to deliver the keys) is back.
  kept=0
  for i in "${!stamps[@]}"; do
    [ $((killed - stamps[i])) -ge 3000000000 ] && kept="${ends[i]}"
  done
  must="${more:0:kept}"
  must="$flushed${must//$'\n'/$'\r\n'}"
  [[ "$typed" == "$must"* ]] || fail "seed $seed: recovered [$typed], lost some of what was typed 3 s before the kill [$must]"
  echo "seed $seed: ${#flushed} bytes typed before the pause; of the $((${#all} - ${#flushed})) after it, $((${#must} - ${#flushed})) had to come back and $((${#typed} - ${#flushed})) did"
done
echo "PASS"
