#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Orvelle need.
# Only missing packages are installed, so a machine that has them all is left alone.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qtbase5-dev qtdeclarative5-dev
  librtmidi-dev libjack-jackd2-dev libfluidsynth-dev
  libasound2-dev
  # run time: the QML modules the documents import, the soundfont
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
  qml-module-qtquick-controls qml-module-qtqml-models2
  # the answer history: Qt's SQLite driver; its statistics window's charts
  libqt5sql5-sqlite qml-module-qtcharts
  # the charts' series filled from C++ (ChartPoints); the statistics' reading
  # of the history (SQLite's own interface)
  libqt5charts5-dev libsqlite3-dev
  timgm6mb-soundfont
  # translations: lupdate and lrelease with their CMake files, Qt's own
  # translations, Python for the translations' checks and pseudo-language
  qttools5-dev qttools5-dev-tools qttranslations5-l10n python3
  # tests: a display with a window manager, a JACK server, screenshots
  xvfb xauth openbox jackd2 x11-apps imagemagick
  # screenshots of the running program: clicking and window geometry
  xdotool x11-utils
  # the accessibility test: a session bus and the AT-SPI tree read from Python
  dbus-daemon at-spi2-core python3-pyatspi
  # bench/app/bench_first_frame: grabs the screen through Xlib
  libx11-dev
  # fuzz targets (make test): clang with its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # the window's one font family, and the artwork generator's (tools/artwork);
  # glyphs for the Japanese and Chinese texts
  fonts-dejavu-core fonts-wqy-microhei
  # packaging/icons/render.sh: the application icon's PNGs from its SVG
  librsvg2-bin
  # installing and packing: checks of the desktop entry and the AppStream
  # metadata, dpkg-shlibdeps for the package's dependencies
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
