#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's folders depend on each other in one direction only: no folder
# includes a folder that, directly or through others, includes it. A circle
# is reported with the folders on it.
#
#   folders_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
folders=(common plot main functionlist settings startup functionsets help platform)

# "a b" for every folder a that includes a header of folder b.
edges=$(
  for f in "${folders[@]}"; do
    grep -rhoE '^#include "[a-z_]+/' "$f" --include='*.h' --include='*.cpp' |
      sed -E 's/^#include "([a-z_]+)\//\1/' | sort -u | grep -vx "$f" | sed "s/^/$f /" || true
  done
)
[ -n "$edges" ] || { echo "no includes between folders found: wrong source folder?"; exit 1; }

if ! loops=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null); then
  echo "folders include each other in a circle:"
  echo "$loops"
  exit 1
fi
echo "folder includes:"
echo "$edges" | sed 's/^/  /'
