#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages (and generates the locales) that one layer of
# work needs, and nothing that is already there. Each layer includes the ones
# above it:
#
#   tools/setup.sh [run]     building and running the program   (./run.sh)
#   tools/setup.sh test      + the test suite and benchmarks     (./test.sh)
#   tools/setup.sh checked   + the checked build and fuzzing     (tools/build_checked.sh, tools/fuzz.sh)
#   tools/setup.sh package   + making the Debian package with cpack
#
# A package that a new part of the program needs goes into the list of the
# first layer that uses it, one line with its reason.
set -euo pipefail
layer=${1:-run}

# Building and running the program.
run_packages=(
  cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev
  # Rebuilds of a fresh clone or another branch come from the cache.
  ccache
  # Qt's own texts in Hungarian (the buttons of message boxes and dialogs).
  qt6-translations-l10n
  # The texts of the windows and pictures; the centre button's position
  # indicator (U+2316) is in Symbola.
  fontconfig fonts-dejavu-core fonts-liberation2 fonts-symbola
  # The SVG icon engine that draws the program's window icon.
  libqt6svg6
)
# The test suite and the benchmarks.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  # The tests read the page count of an exported PDF.
  poppler-utils
  # The suite runs again under other locales (see test_locales).
  locales
  # An X server without a screen, for the tests that drive the program
  # through a real display.
  xvfb xauth
  # The screen-reader test: keys through the X server, a private D-Bus
  # session with the accessibility bus, and a screen reader's view of it.
  xdotool dbus at-spi2-core python3-pyatspi
)
# The checked build and the fuzz targets: clang, its sanitizer and libFuzzer
# runtimes, and llvm-symbolizer for readable reports.
checked_packages=(clang libclang-rt-14-dev llvm)
# The Debian package: cpack's dependency scan.
package_packages=(dpkg-dev file)

# The locales the suite also runs under: the Hungarian decimal comma, and the
# Turkish dotted and dotless i that break case-insensitive ASCII matching.
test_locales=(hu_HU.UTF-8 tr_TR.UTF-8)

wanted=("${run_packages[@]}")
locales_wanted=()
case "$layer" in
  run) ;;
  test) wanted+=("${test_packages[@]}"); locales_wanted=("${test_locales[@]}") ;;
  checked)
    wanted+=("${test_packages[@]}" "${checked_packages[@]}")
    locales_wanted=("${test_locales[@]}")
    ;;
  package) wanted+=("${package_packages[@]}") ;;
  *)
    echo "setup.sh: unknown layer \"$layer\" (run, test, checked or package)" >&2
    exit 2
    ;;
esac

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends \
    "${missing[@]}"
fi

# "hu_HU.UTF-8" is listed by locale -a as "hu_HU.utf8".
generated=0
for l in "${locales_wanted[@]}"; do
  short=$(printf '%s' "$l" | sed 's/\.UTF-8$/.utf8/')
  locale -a 2>/dev/null | grep -qxF "$short" && continue
  echo "Generating the locale $l"
  grep -qxF "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  generated=1
done
if [ "$generated" = 1 ]; then
  $SUDO locale-gen >/dev/null
fi
