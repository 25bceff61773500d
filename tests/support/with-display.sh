#!/usr/bin/env bash
# Runs a command on a private X display with a window manager, as on a desktop.
# Usage: with-display.sh [--size WxH] [--no-wm] command [args...]
# The command gets its own DISPLAY, XDG_CONFIG_HOME (an empty settings store),
# XDG_DATA_HOME (no answer history) and XDG_RUNTIME_DIR; all of them are
# removed afterwards. It sees no JACK
# server but the one with-jack.sh may have started for it.
set -u
size=1920x1080
if [ "${1:-}" = "--size" ]; then size=$2; shift 2; fi
# --no-wm: a bare display, as on a kiosk or a session without a window manager.
window_manager=1
if [ "${1:-}" = "--no-wm" ]; then window_manager=0; shift; fi

tmp=$(mktemp -d /tmp/orvelle-display.XXXXXX)
cleanup() {
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "with-display: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"

export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/run"
# No MIDI unless the caller started a JACK server (with-jack.sh): never a
# server that happens to run on the machine.
export JACK_DEFAULT_SERVER="${JACK_DEFAULT_SERVER:-orvelle-no-server-$$}"
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

if [ "$window_manager" = 1 ]; then
  openbox --sm-disable --config-file /dev/null >"$tmp/openbox.log" 2>&1 &
  wm_pid=$!
  sleep 0.5
fi
export ORVELLE_TEST_WINDOW_MANAGER=$window_manager

"$@"
status=$?
exit $status
