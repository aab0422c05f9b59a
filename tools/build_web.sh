#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser edition into build-web/site/: a static folder (the page,
# its style and script, and the program's core as WebAssembly) that any static
# web server can serve. Installs Debian's emscripten when em++ is missing.
#
#   bash tools/build_web.sh            # the site
#   bash tools/build_web.sh --tests    # the site, and the core's unit tests
#                                      # for WebAssembly (build-web/tests/)
#
# Everything it makes stays in build-web/ inside the project folder.
set -euo pipefail
cd "$(dirname "$0")/.."

with_tests=0
for arg in "$@"; do
  case "$arg" in
    --tests) with_tests=1 ;;
    *) echo "build_web.sh: unknown option $arg" >&2; exit 2 ;;
  esac
done

apt_install() {
  if [ "$(id -u)" -eq 0 ]; then
    apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends "$@" ||
      { apt-get -o DPkg::Lock::Timeout=900 update && apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends "$@"; }
  else
    sudo apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends "$@"
  fi
}

if ! command -v em++ >/dev/null 2>&1; then
  echo "== installing emscripten (Debian's package)"
  apt_install emscripten
fi
if [ "$with_tests" = 1 ] && [ ! -d /usr/src/googletest/googletest ]; then
  apt_install googletest
fi

# emscripten's JavaScript optimiser needs Debian's node modules, whichever
# node runs it.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

echo "== building the browser edition into build-web/"
make -f web/web.mk -j "$(nproc)" site
site=build-web/site
wasm=$(stat -c %s "$site/grafolin.wasm")
glue=$(stat -c %s "$site/grafolin.js")
gz=$(cat "$site/grafolin.wasm" "$site/grafolin.js" | gzip -9 | wc -c)
echo "== site in $site: wasm $wasm bytes, glue $glue bytes, together $gz bytes gzipped"

if [ "$with_tests" = 1 ]; then
  echo "== building the core's unit tests for WebAssembly"
  make -f web/web.mk -j "$(nproc)" tests
fi
