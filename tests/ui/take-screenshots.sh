#!/usr/bin/env bash
# Takes the documentation screenshots of the real program on a private display.
# Usage: tests/ui/take-screenshots.sh <path to orvelle> <output folder>
# Runs itself again under tests/support/with-display.sh at 1920 x 1080 (the
# pictures' plain names), 1024 x 600 and 2560 x 1440 (names ending in the size).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
out=$(realpath "$2")

if [ -z "${ORVELLE_SHOTS_INNER:-}" ]; then
  export ORVELLE_SHOTS_INNER=1
  for size in ${ORVELLE_SHOTS_SIZES:-1920x1080 1024x600 2560x1440}; do
    if [ "$size" = 1920x1080 ]; then suffix=""; else suffix="-$size"; fi
    ORVELLE_SHOTS_SUFFIX=$suffix "$here/../support/with-display.sh" --size "$size" "$0" "$program" "$out"
  done
  exit 0
fi
suffix=${ORVELLE_SHOTS_SUFFIX:-}

shot() {  # xwd is quick enough to catch the short answer feedback
  xwd -root -silent >"$out/$1$suffix.xwd"
  convert "$out/$1$suffix.xwd" -strip -define png:compression-level=9 "$out/$1$suffix.png"
  rm -f "$out/$1$suffix.xwd"
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
# The level strip from the keyboard asks before leaving a round, as a click
# does: from no focused control, Shift+Tab goes start button, speaker, strip.
xdotool key Escape
xdotool key shift+Tab shift+Tab shift+Tab Right Return
sleep 0.5
shot leave-level-keyboard
xdotool key Escape
# The MIDI box's list opens inside the window (Tab: start button, MIDI box;
# the start button rests while a question sounds, so wait for it).
sleep 3
xdotool key Escape Tab Tab space
sleep 0.5
shot device-list
xdotool key Escape Escape
# Six more answers end the round of seven: the summary over a dimmed window.
for _ in 1 2 3 4 5 6; do
  sleep 3.5
  xdotool key a
done
sleep 2
shot session-summary
xdotool key Escape
# F2: the statistics of these answers.
xdotool key F2
sleep 3
shot statistics
xdotool key Escape
# The gear, right of statistics (header from the left: switch, statistics,
# settings, help, minimise, close; 37 wide, 5 apart, margin 30).
click $((WIDTH - 30 - 3 * 42 - 18)) 30
xdotool mousemove $((X + 10)) $((Y + HEIGHT / 2))
sleep 0.5
shot settings
stop_program

# 3. The main window in each language, at the pictures' plain size only: a
# German desktop names B "H", a French one middle C "do 3".
if [ -z "$suffix" ]; then
  for language in ${ORVELLE_SHOTS_LANGUAGES:-de fr es it ja zh_CN}; do
    LANGUAGE=$language start_program
    xdotool key r
    sleep 3.5
    xdotool key s  # D4 while level 1 asks a C: the feedback line names both
    sleep 0.3
    shot "main-window-$language"
    stop_program
  done
fi
