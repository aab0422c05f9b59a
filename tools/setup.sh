#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what the build, the tests and the Debian package (cpack) need, and
# nothing when all is there.
set -euo pipefail
packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev ccache fontconfig fonts-dejavu-core fonts-liberation2
          # The centre button's position indicator (U+2316).
          fonts-symbola
          # The SVG icon engine that draws the program's window icon.
          libqt6svg6
          dpkg-dev file
          # The tests read the page count of an exported PDF.
          poppler-utils
          # The suite runs a second time under a Hungarian locale.
          locales
          # The screen-reader test: a display of its own, keys through the X
          # server, a private D-Bus session with the accessibility bus.
          xvfb xdotool dbus at-spi2-core python3-pyatspi
          # The checked build and the fuzz targets: clang, its sanitizer and
          # libFuzzer runtimes, and llvm-symbolizer for readable reports.
          clang libclang-rt-14-dev llvm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The Hungarian locale the suite's second run uses (decimal comma).
if ! locale -a 2>/dev/null | grep -qi '^hu_HU\.utf-\?8$'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Generating the locale hu_HU.UTF-8"
  if ! grep -q '^hu_HU.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'hu_HU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
