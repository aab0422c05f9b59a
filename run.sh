#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and running need (no test or checking tools),
# builds the program, and starts Grafolin.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh run
bash tools/build.sh --program
exec ./build/grafolin "$@"
