#!/usr/bin/env bash
# with-jack.sh with a short client timeout on the server: a client killed
# outright holds the server's cycle until that timeout gives it up, and the
# kill test kills the program's clients again and again.
here=$(cd "$(dirname "$0")" && pwd)
PATH="$here/jack-shim:$PATH" exec "$here/../support/with-jack.sh" "$@"
