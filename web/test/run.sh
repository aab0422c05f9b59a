#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The browser edition's checks, after the desktop build (tools/build.sh):
#   1. the site and the core's unit tests built for WebAssembly
#      (tools/build_web.sh --tests), the unit tests run under node;
#   2. the double conversions of web/charconv_double.h against the desktop
#      library's, byte for byte;
#   3. the page in headless Chromium against the desktop's pictures
#      (web/test/browser_test.mjs), which installs Chromium when it is
#      missing and is skipped, with its reason, only where it cannot start.
# Exits 0 when everything passed or was skipped for that reason.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${GRAFOLIN_BUILD:-build}
if [ ! -x "$build/grafolin" ] || [ ! -f "$build/libgrafcore.a" ]; then
  echo "web/test/run.sh: build the desktop program first (bash tools/build.sh)" >&2
  exit 2
fi

bash tools/build_web.sh --tests
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

echo "== the core's unit tests as WebAssembly, under node"
# The tests that start threads (a folder's export with two workers) are left
# out: the page's build has none.
(cd "$(mktemp -d)" && node "$OLDPWD/build-web/tests/core_tests.js" \
  --gtest_filter='-ExportCommands.ThreadsChangeNothingThatCanBeSeen:ExportCommands.StagedPicturesTakeTheirPlacesAtTheCommitOrAreRefusedWithTheReason' \
  --gtest_brief=1)

echo "== double conversions: WebAssembly against the desktop's library"
g++ -std=c++20 -O2 -Wall -Wextra web/test/conversions.cpp -o build-web/conversions_native
em++ -std=c++20 -O2 -Wall -Wextra -include web/charconv_double.h web/test/conversions.cpp \
  -o build-web/conversions.js -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1
./build-web/conversions_native > build-web/conversions_native.txt
node build-web/conversions.js > build-web/conversions_wasm.txt
if ! cmp -s build-web/conversions_native.txt build-web/conversions_wasm.txt; then
  echo "the conversions differ:" >&2
  diff build-web/conversions_native.txt build-web/conversions_wasm.txt | head -20 >&2
  exit 1
fi
echo "$(wc -l < build-web/conversions_native.txt) lines of conversions, the same bytes"

echo "== the page in headless Chromium"
if ! command -v chromium >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends chromium ||
      { apt-get -o DPkg::Lock::Timeout=900 update &&
        apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends chromium; } || true
  fi
fi
g++ -std=c++20 -O2 -ffp-contract=off -Wall -Wextra -I. web/test/native_reference.cpp "$build/libgrafcore.a" \
  -pthread -o build-web/native_reference
status=0
node web/test/browser_test.mjs build-web/site "$build/grafolin" build-web/native_reference || status=$?
if [ "$status" = 77 ]; then
  echo "the browser test was skipped: Chromium cannot start here"
  exit 0
fi
exit "$status"
