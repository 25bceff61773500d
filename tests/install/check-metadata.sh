#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their validators, and the
# metadata's newest release is the project's version.
# Usage: check-metadata.sh <packaging folder> <project version>
set -euo pipefail
packaging=$1 version=$2
id=com.brandmoor.Orvelle

desktop-file-validate "$packaging/$id.desktop"
# --strict fails on every issue but the pedantic ones.
appstreamcli validate --no-net --strict "$packaging/$id.metainfo.xml"

newest=$(awk -F'"' '/<release version=/ { print $2; exit }' "$packaging/$id.metainfo.xml")
if [ "$newest" != "$version" ]; then
  echo "the metadata's newest release is '$newest', the project's version is $version:" \
       "add a <release> for it" >&2
  exit 1
fi

# The running program names the same entry.
grep -q "\"$id\"" "$packaging/../src/app/application.cpp" ||
  { echo "src/app/application.cpp does not name the desktop entry $id" >&2; exit 1; }
echo "metadata valid"
