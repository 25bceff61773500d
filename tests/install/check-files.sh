#!/usr/bin/env bash
# Every file of the list is under the root, programs are executable and each
# hicolor PNG is as large as its folder says.
# Usage: check-files.sh <root> <file list>
set -euo pipefail
root=$1 list=$2
status=0
while read -r file; do
  case $file in ''|'#'*) continue ;; esac
  path=$root/$file
  if [ ! -s "$path" ]; then
    echo "missing: $file" >&2; status=1; continue
  fi
  if [[ $file == bin/* || $file == */bin/* ]] && [ ! -x "$path" ]; then
    echo "$file is not executable" >&2; status=1
  fi
  if [[ $file =~ /([0-9]+)x([0-9]+)/apps/.*\.png$ ]]; then
    # The PNG header holds width and height as big-endian words at 16 and 20.
    read -r w h < <(od -An -tu1 -j16 -N8 "$path" |
      awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    if [ "$w" != "${BASH_REMATCH[1]}" ] || [ "$h" != "${BASH_REMATCH[2]}" ]; then
      echo "$file is ${w}x${h}" >&2; status=1
    fi
  fi
done <"$list"
exit $status
