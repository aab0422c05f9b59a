#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs each libFuzzer target for SECONDS (default 60), one after the other,
# starting from its committed corpus in fuzz/corpus/<target> and, where the
# input has keywords, with its dictionary fuzz/<target>.dict. New inputs are
# kept in build-san/fuzz/corpus/<target>, findings in build-san/fuzz/findings/;
# any finding makes the script fail.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]      targets: number_reader set_load
#                                                      set_round_trip commands settings_record line
#   tools/fuzz.sh --merge [TARGET...]        minimizes fuzz/corpus/<target> together with
#                                            what runs kept in build-san/fuzz/corpus/<target>
set -euo pipefail
cd "$(dirname "$0")/.."
all_targets=(number_reader set_load set_round_trip commands settings_record line)
merge=0
if [ "${1:-}" = --merge ]; then
  merge=1
  shift
else
  seconds=${1:-60}
  [ $# -gt 0 ] && shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

bash tools/build_checked.sh --target "${targets[@]/#/fuzz_}" >/dev/null
source tools/sanitizer_env.sh
# Freed memory waits in a 64 MB quarantine instead of 256 MB: a use after
# free within one input (which frees far less) is still caught, and the
# targets no longer spend a fifth of their time faulting in fresh pages.
export ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=64"

# Longest input per target: a number text past 800 digits, a set record
# (1854 bytes) and a little more, a line's ends, command sequences of up to
# 64 steps (every state of the program is reached within far fewer; longer
# ones only slow each input down).
max_len() {
  case "$1" in
    number_reader) echo 1200 ;;
    set_load) echo 1900 ;;
    line) echo 64 ;;
    commands) echo 512 ;;
    *) echo 2048 ;;
  esac
}
dictionary() {
  [ -f "fuzz/$1.dict" ] && echo "-dict=fuzz/$1.dict"
  return 0
}

if [ $merge = 1 ]; then
  # The smallest set of inputs that keeps every feature any of them reaches
  # replaces the committed corpus.
  for t in "${targets[@]}"; do
    merged=build-san/fuzz/merged/$t
    rm -rf "$merged"
    mkdir -p "$merged" "build-san/fuzz/corpus/$t"
    ./build-san/fuzz/fuzz_"$t" -merge=1 -max_len="$(max_len "$t")" "$merged" "fuzz/corpus/$t" \
      "build-san/fuzz/corpus/$t" > "build-san/fuzz/$t.merge.log" 2>&1
    rm -rf "fuzz/corpus/$t"
    mv "$merged" "fuzz/corpus/$t"
    echo "fuzz_$t: $(ls "fuzz/corpus/$t" | wc -l) inputs, $(cat "fuzz/corpus/$t"/* | wc -c) bytes," \
      "$(grep -o 'MERGE-OUTER: [0-9]* new files with [0-9]* new features added; [0-9]* new coverage edges' \
        "build-san/fuzz/$t.merge.log" | tail -n1)"
  done
  exit 0
fi

# A unit that runs for a minute hangs: the slowest seen take well under a
# second, also on a machine busy with other work.
status=0
for t in "${targets[@]}"; do
  corpus=build-san/fuzz/corpus/$t
  findings=build-san/fuzz/findings
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$t for ${seconds}s"
  # shellcheck disable=SC2046
  if ! ./build-san/fuzz/fuzz_"$t" "$corpus" "fuzz/corpus/$t" -max_total_time="$seconds" \
      -max_len="$(max_len "$t")" $(dictionary "$t") -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$t-" > "build-san/fuzz/$t.log" 2>&1; then
    status=1
    echo "fuzz_$t found a fault:"
    tail -n 60 "build-san/fuzz/$t.log"
  fi
  # The coverage the committed corpus reaches, and the run's figures.
  grep -m1 -E 'INITED cov: ' "build-san/fuzz/$t.log" || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
    "build-san/fuzz/$t.log" || true
done
exit $status
