#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every C++ source file opens with its licence line, so that a file copied
# out of the project still says under which licence it may be used.
#
#   licence_lines_test.sh SOURCE_DIR
set -euo pipefail
# Byte-wise character ranges and matching, whatever the caller's locale (in
# tr_TR.UTF-8 "[a-z]" does not match "i").
export LC_ALL=C
cd "$1"
missing=$(
  find common plot main functionlist settings startup functionsets help platform tests bench fuzz \
    -name '*.h' -o -name '*.cpp' | sort |
    while read -r f; do
      head -n 1 "$f" | grep -qx '// SPDX-License-Identifier: MIT' || echo "$f"
    done
)
if [ -n "$missing" ]; then
  echo "files without '// SPDX-License-Identifier: MIT' as their first line:"
  echo "$missing" | sed 's/^/  /'
  exit 1
fi
echo "every source file carries its licence line"
