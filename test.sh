#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and the tests need, builds the program and its
# tests, and runs the whole test suite through ctest.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh test
bash tools/build.sh
cd build
ctest --output-on-failure -j "$(nproc)"
