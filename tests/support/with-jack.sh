#!/usr/bin/env bash
# Runs a command beside a JACK server of its own (dummy driver, no sound card,
# no realtime), so that it has real MIDI ports to work with.
# Usage: with-jack.sh command [args...]
# The command gets JACK_DEFAULT_SERVER naming that server; the server is
# stopped afterwards.
set -u

export JACK_DEFAULT_SERVER="orvelle-test-$$-$RANDOM"
export JACK_NO_AUDIO_RESERVATION=1
export JACK_NO_START_SERVER=1
log=$(mktemp /tmp/orvelle-jackd.XXXXXX)

jackd --no-realtime -d dummy -r 48000 -p 256 >"$log" 2>&1 &
jack_pid=$!
cleanup() {
  kill "$jack_pid" 2>/dev/null
  wait "$jack_pid" 2>/dev/null
  rm -f "$log"
}
trap cleanup EXIT

if ! jack_wait -w -t 20 >/dev/null 2>&1; then
  echo "with-jack: jackd did not start" >&2
  cat "$log" >&2
  exit 1
fi

"$@"
exit $?
