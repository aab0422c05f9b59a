# SPDX-License-Identifier: MIT
# Sourced by the scripts that run checked programs: every sanitizer finding
# ends the program with a failure and a symbolized report.
tools_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# A system library's false alarm is suppressed by name (asan.supp), never by
# turning a check off.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:suppressions=$tools_dir/asan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$tools_dir/lsan.supp:print_suppressions=0"
symbolizer=$(command -v llvm-symbolizer || ls /usr/bin/llvm-symbolizer-* 2>/dev/null | head -n1 || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer"
