#!/usr/bin/env bash
# Runs a command beside a JACK server of its own (dummy driver, no sound card,
# no realtime), so that it has real MIDI ports to work with.
# The server runs as users' servers do (asynchronously), with 21 ms periods
# and a generous client timeout: sanitized clients on a loaded machine are
# slow in their process callbacks, and every xrun can lose the MIDI data of
# its period.
# Usage: with-jack.sh command [args...]
# The command gets JACK_DEFAULT_SERVER naming that server; the server is
# stopped afterwards, and also if this script is killed.
set -u

export JACK_DEFAULT_SERVER="orvelle-test-$$-$RANDOM"
export JACK_NO_AUDIO_RESERVATION=1
export JACK_NO_START_SERVER=1
log=$(mktemp /tmp/orvelle-jackd.XXXXXX)
jack_pid=
guard_pid=

cleanup() {
  [ -n "$guard_pid" ] && kill "$guard_pid" 2>/dev/null
  if [ -n "$jack_pid" ]; then
    kill "$jack_pid" 2>/dev/null
    wait "$jack_pid" 2>/dev/null
  fi
  rm -f "$log"
}
trap cleanup EXIT

# JACK allows only a few servers per machine, and servers starting side by
# side now and then fail to reach their first client: a failed start is tried
# again for a while. The generous client timeout and the long periods keep a
# loaded (or sanitized) test machine from losing MIDI.
for attempt in $(seq 15); do
  jackd --no-realtime -t "${ORVELLE_JACK_CLIENT_TIMEOUT_MS:-10000}" -d dummy -r 48000 -p 1024 >"$log" 2>&1 &
  jack_pid=$!
  if jack_wait -w -t 10 >/dev/null 2>&1 && kill -0 "$jack_pid" 2>/dev/null; then
    break
  fi
  kill "$jack_pid" 2>/dev/null
  wait "$jack_pid" 2>/dev/null
  jack_pid=
  # Servers killed outright elsewhere keep their slots in JACK's table.
  grep -q "Too many servers" "$log" && "$(dirname "$0")/free-stale-jack-slots.sh"
  sleep 2
done
if [ -z "$jack_pid" ]; then
  echo "with-jack: jackd did not start" >&2
  cat "$log" >&2
  exit 1
fi

# Should this script be killed outright (a test timeout), the server must not
# outlive it.
script_pid=$$
( while kill -0 "$script_pid" 2>/dev/null; do sleep 1; done; kill "$jack_pid" 2>/dev/null ) >/dev/null 2>&1 &
guard_pid=$!

"$@"
exit $?
