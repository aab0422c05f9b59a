#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs each libFuzzer target for SECONDS (default 60), one after the other,
# starting from its seed corpus in fuzz/corpus/<target>. New inputs are kept
# in build-san/fuzz/corpus/<target>, findings in build-san/fuzz/findings/;
# any finding makes the script fail.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]      targets: number_reader set_load
#                                                      set_round_trip commands settings_record line
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(number_reader set_load set_round_trip commands settings_record line)

bash tools/build_checked.sh --target "${targets[@]/#/fuzz_}" >/dev/null
source tools/sanitizer_env.sh

# Longest input per target: a number text past 800 digits, a set record
# (1854 bytes) and a little more, a line's ends, command sequences of up to a
# few hundred steps (every state of the program is reached within far fewer;
# longer ones only slow each input down).
max_len() {
  case "$1" in
    number_reader) echo 1200 ;;
    set_load) echo 1900 ;;
    line) echo 64 ;;
    commands) echo 512 ;;
    *) echo 2048 ;;
  esac
}

# A unit that runs for a minute hangs: the slowest seen take well under a
# second, also on a machine busy with other work.
status=0
for t in "${targets[@]}"; do
  corpus=build-san/fuzz/corpus/$t
  findings=build-san/fuzz/findings
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$t for ${seconds}s"
  if ! ./build-san/fuzz/fuzz_"$t" "$corpus" "fuzz/corpus/$t" -max_total_time="$seconds" \
      -max_len="$(max_len "$t")" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$t-" > "build-san/fuzz/$t.log" 2>&1; then
    status=1
    echo "fuzz_$t found a fault:"
    tail -n 60 "build-san/fuzz/$t.log"
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
    "build-san/fuzz/$t.log" || true
done
exit $status
