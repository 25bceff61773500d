#!/usr/bin/env bash
# Packs the build as a Debian package in a temporary folder and checks its
# name, its dependencies (the linked libraries, the QML modules, the
# soundfont) and that it holds every file of a desktop installation.
# Usage: check-package.sh <build folder> <project version> <file list> <built-in synthesiser: ON/OFF>
set -euo pipefail
build=$1 version=$2 list=$3 synth=$4
here=$(cd "$(dirname "$0")" && pwd)

out=$(mktemp -d /tmp/orvelle-package.XXXXXX)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" --config CPackConfig.cmake >"$out/cpack.log" 2>&1) ||
  { cat "$out/cpack.log" >&2; exit 1; }

deb=$out/orvelle_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $(basename "$deb"); cpack wrote:" >&2; ls "$out" >&2; exit 1; }

dpkg-deb --info "$deb"
depends=$(dpkg-deb --field "$deb" Depends)
needs=(libqt5core5a libqt5gui5 libqt5network5 libqt5quick5 libqt5widgets5 librtmidi
       qml-module-qtquick2 qml-module-qtquick-controls qml-module-qtquick-window2)
case $synth in ON|on|1|TRUE|true|YES|yes) needs+=(libfluidsynth timgm6mb-soundfont) ;; esac
status=0
for needed in "${needs[@]}"; do
  grep -Eq "(^|, )$needed[^,]*" <<<"$depends" || { echo "Depends lacks $needed" >&2; status=1; }
done

root=$out/root
dpkg-deb --extract "$deb" "$root"
dpkg-deb --contents "$deb" | awk '{ print $6 }'
sed -e '/^#/b' -e '/^$/b' -e 's|^|usr/|' "$list" >"$out/files.txt"
"$here/check-files.sh" "$root" "$out/files.txt" || status=1
exit $status
