#!/usr/bin/env bash
# Takes the documentation screenshots of the real program on a private display.
# Usage: tests/ui/take-screenshots.sh <path to orvelle> <output folder>
# Runs itself again under tests/support/with-display.sh at 1920 x 1080.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
out=$(realpath "$2")

if [ -z "${ORVELLE_SHOTS_INNER:-}" ]; then
  export ORVELLE_SHOTS_INNER=1
  exec "$here/../support/with-display.sh" --size 1920x1080 "$0" "$program" "$out"
fi

shot() {  # xwd is quick enough to catch the short answer feedback
  xwd -root -silent >"$out/$1.xwd"
  convert "$out/$1.xwd" -strip -define png:compression-level=9 "$out/$1.png"
  rm -f "$out/$1.xwd"
}

start_program() {
  "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 200); do
    win=$(xdotool search --class '^orvelle$' 2>/dev/null | head -n1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  sleep 2  # let the window settle maximised and paint
  # xwininfo gives the position on the screen, inside the window frame.
  local info; info=$(xwininfo -id "$win")
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/.*Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/.*Height: *//p' <<<"$info")
}

stop_program() { kill "$pid"; wait "$pid" 2>/dev/null || true; }

click() {  # click at window coordinates
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

mkdir -p "$out"

# 1. First start: the help window greets the user.
start_program
shot start-with-help
# Left turns the help's page: page 0 wraps round to the last page.
xdotool key Left
sleep 1
shot help-last-page
stop_program

# 2. Later starts: the help was dismissed, the colour hint is on (stored default).
mkdir -p "$XDG_CONFIG_HOME/Brandmoor"
printf '[GlobalSetting]\nShowHelpOnStartup=false\n' >"$XDG_CONFIG_HOME/Brandmoor/Orvelle.conf"
start_program
shot start-without-help
# R begins (Space would too); S on the computer keyboard answers D4.
xdotool key r
sleep 1.2
shot question-color-hint
# Answer with a D while level 1 asks only Cs: a wrong answer.
sleep 2.5
xdotool key s
shot wrong-answer
# The gear, left of help, minimise and close (37 wide, 5 apart, margin 30).
click $((WIDTH - 30 - 3 * 42 - 18)) 30
xdotool mousemove $((X + 10)) $((Y + HEIGHT / 2))
sleep 0.5
shot settings
stop_program
