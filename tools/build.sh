#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds into ./build with both cores.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
# ccache makes rebuilds of a fresh clone or another branch quick.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DGRAFOLIN_WARNINGS_AS_ERRORS="${GRAFOLIN_WARNINGS_AS_ERRORS:-OFF}" "${launcher[@]}" >/dev/null
cmake --build build -j "$(nproc)"
