#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's folders depend on each other in one direction only: no folder
# includes a folder that, directly or through others, includes it. A circle
# is reported with the folders on it. Code at the top of a folder includes no
# Qt, and a ui/ folder holds Qt code only.
#
#   folders_test.sh SOURCE_DIR
set -euo pipefail
# Byte-wise character ranges and matching, whatever the caller's locale (in
# tr_TR.UTF-8 "[a-z]" does not match "i").
export LC_ALL=C
cd "$1"
folders=(common plot picture main functionlist settings startup functionsets help export app platform)

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
# Top-level code is the program's behaviour, built without Qt; a ui/ file
# includes Qt or the Qt code of another ui/ folder.
misplaced=""
for f in "${folders[@]}"; do
  [ "$f" = platform ] && continue
  for file in "$f"/*.h "$f"/*.cpp; do
    [ -e "$file" ] || continue
    grep -qE '^#include <Q' "$file" && misplaced+="  $file includes Qt outside ui/"$'\n'
  done
  for file in "$f"/ui/*.h "$f"/ui/*.cpp; do
    [ -e "$file" ] || continue
    grep -qE '^#include (<Q|"[a-z_]+/ui/)' "$file" || misplaced+="  $file in ui/ holds no Qt code"$'\n'
  done
done
if [ -n "$misplaced" ]; then
  printf 'code in the wrong layer:\n%s' "$misplaced"
  exit 1
fi

echo "folder includes:"
echo "$edges" | sed 's/^/  /'
