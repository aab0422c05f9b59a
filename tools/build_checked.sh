#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds the checked build into ./build-san: clang with
# AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer that stops
# at the first finding, the whole test suite and the libFuzzer targets.
# Arguments are passed to cmake --build (for example: --target fuzz_targets).
# Installs what it needs first (clang, its sanitizer runtimes, GoogleTest).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh checked
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DGRAFOLIN_SANITIZE=ON -DGRAFOLIN_FUZZ=ON -DGRAFOLIN_BUILD_BENCH=OFF \
  -DGRAFOLIN_WARNINGS_AS_ERRORS="${GRAFOLIN_WARNINGS_AS_ERRORS:-OFF}" "${launcher[@]}" >/dev/null
cmake --build build-san -j "$(nproc)" "$@"
