#!/usr/bin/env bash
# Runs on the private display of with-display.sh: starts the installed
# program, waits for its window and its settings store, checks it is still
# running and its window carries the application icon and the class its menu
# entry names, then ends it.
set -euo pipefail
store=$XDG_CONFIG_HOME/Brandmoor/Orvelle.conf
[ ! -e "$store" ] || { echo "the settings store is not empty" >&2; exit 1; }

"$ORVELLE_PREFIX/bin/orvelle" >"$XDG_RUNTIME_DIR/orvelle.log" 2>&1 &
pid=$!
stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; }
trap stop EXIT
fail() { echo "$*" >&2; echo "--- program output:" >&2; cat "$XDG_RUNTIME_DIR/orvelle.log" >&2; exit 1; }

# Generous: a sanitizer build on a busy machine starts slowly.
window=
for _ in $(seq 600); do
  kill -0 "$pid" 2>/dev/null || fail "the installed program stopped at start-up"
  if [ -z "$window" ]; then
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      window=$w
    done
  fi
  [ -n "$window" ] && [ -s "$store" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the installed program showed no window"
[ -s "$store" ] || fail "the installed program wrote no settings store at $store"

# A couple of seconds of running.
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the installed program stopped after start-up"

# Without an icon of its own the window gets Qt's, at 48 pixels only: ours
# comes in every size. xprop cuts long properties short unless told.
icon=$(xprop -len 100000000 -id "$window" _NET_WM_ICON)
for size in 48 64 128 256; do
  grep -q "Icon ($size x $size)" <<<"$icon" || fail "the window's icon lacks the $size pixel size"
done
# On X11 the desktop finds the window's menu entry by its class.
entry=$ORVELLE_PREFIX/share/applications/com.brandmoor.Orvelle.desktop
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
class=$(xprop -id "$window" WM_CLASS)
grep -q ", \"$wm_class\"\$" <<<"$class" ||
  fail "the window's class ($class) is not the entry's StartupWMClass '$wm_class'"
echo "installed program started: window $window, store $(basename "$store")"
