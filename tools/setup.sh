#!/usr/bin/env bash
# Installs what the build, the tests and the Debian package (cpack) need, and
# nothing when all is there.
set -euo pipefail
packages=(cmake make g++ pkg-config qt6-base-dev qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev ccache fontconfig fonts-dejavu-core fonts-liberation2
          # The centre button's position indicator (U+2316).
          fonts-symbola
          dpkg-dev file
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
