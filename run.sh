#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and running need (no test or checking tools),
# builds the program, and starts Grafolin.
set -euo pipefail
cd "$(dirname "$0")"
# ./run.sh --web [PORT]: the browser edition, built and served on 127.0.0.1.
if [ "${1:-}" = --web ]; then
  bash tools/build_web.sh
  exec node web/serve.mjs build-web/site "${2:-8033}"
fi
bash tools/setup.sh run
bash tools/build.sh --program
exec ./build/grafolin "$@"
