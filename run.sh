#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts Grafolin.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh
bash tools/build.sh
exec ./build/grafolin "$@"
