#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds into ./build with both cores: the program, its
# tests and (where Google Benchmark is installed) the benchmarks.
#
#   tools/build.sh             everything (GoogleTest must be installed)
#   tools/build.sh --program   the program and its help file only; a build
#                              folder set up without tests stays so, one set
#                              up with them keeps them
set -euo pipefail
cd "$(dirname "$0")/.."
program_only=0
[ "${1:-}" = --program ] && program_only=1
launcher=()
# ccache makes rebuilds of a fresh clone or another branch quick.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
parts=(-DGRAFOLIN_BUILD_TESTS=ON -DGRAFOLIN_BUILD_BENCH=ON)
if [ $program_only = 1 ] && ! grep -qs '^GRAFOLIN_BUILD_TESTS:BOOL=ON$' build/CMakeCache.txt; then
  parts=(-DGRAFOLIN_BUILD_TESTS=OFF -DGRAFOLIN_BUILD_BENCH=OFF)
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "${parts[@]}" \
  -DGRAFOLIN_WARNINGS_AS_ERRORS="${GRAFOLIN_WARNINGS_AS_ERRORS:-OFF}" "${launcher[@]}" >/dev/null
if [ $program_only = 1 ]; then
  cmake --build build -j "$(nproc)" --target grafolin grafolin_help
else
  cmake --build build -j "$(nproc)"
fi
