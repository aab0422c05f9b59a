#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs the whole test suite through ctest.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh
bash tools/build.sh
cd build
ctest --output-on-failure -j "$(nproc)"
