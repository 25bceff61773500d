#!/usr/bin/env bash
# Starts the real program with accessibility on, on a private session bus,
# and reads its AT-SPI tree. Run under tests/support/with-display.sh.
# Usage: accessibility_tree.sh <path to orvelle>
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS_PRIVATE:-}" ]; then
  export DBUS_SESSION_BUS_ADDRESS_PRIVATE=1
  exec dbus-run-session -- "$0" "$@"
fi
mkdir -p "$XDG_CONFIG_HOME/Brandmoor"
printf '[GlobalSetting]\nShowHelpOnStartup=false\n' >"$XDG_CONFIG_HOME/Brandmoor/Orvelle.conf"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$1" >/dev/null 2>&1 &
pid=$!
/usr/bin/python3 "$here/accessibility_tree.py"
status=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status
