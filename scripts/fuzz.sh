#!/usr/bin/env bash
# Random use of the real program under AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   scripts/fuzz.sh [N] [options]    N runs (default 20) on all cores, as long as that takes
#   scripts/fuzz.sh --replay FILE    plays a saved failing run once more (--pictures DIR
#                                    saves each window after each step)
#   scripts/fuzz.sh --shrink FILE    shrinks a failing replay file into FILE.min
#
# Options go to the fuzzer: --seed S (first seed, default 1), --steps K (random
# moves per run, default 50; filling a form is one move), --minutes M (hand out
# no more runs after M minutes), --jobs J (worker processes, default one per
# core), --out DIR (where failing runs are saved, default fuzz-findings).
set -euo pipefail
cd "$(dirname "$0")/.."
# The sanitized build of the test suite (scripts/test-sanitized.sh), of which
# only the fuzzer is needed here.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTEL_SANITIZE=ON >/dev/null
cmake --build build-asan --target vantel_fuzz --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fuzzer=build-asan/tests/fuzz/vantel_fuzz
if [ "${1:-}" = --replay ] || [ "${1:-}" = --shrink ]; then
  exec "$fuzzer" "$@"
fi
runs=20
if [ $# -gt 0 ] && [[ $1 =~ ^[0-9]+$ ]]; then
  runs=$1
  shift
fi
exec "$fuzzer" --runs "$runs" "$@"
