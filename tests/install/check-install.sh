#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks it holds every file of a
# desktop installation, and starts the installed program on a private display
# with an empty settings store.
# Usage: check-install.sh <build folder> <test support folder> <file list>
set -euo pipefail
build=$1 support=$2 list=$3
here=$(cd "$(dirname "$0")" && pwd)

prefix=$(mktemp -d /tmp/orvelle-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
"$here/check-files.sh" "$prefix" "$list"

export ORVELLE_PREFIX=$prefix
"$support/with-display.sh" "$here/check-start.sh"
