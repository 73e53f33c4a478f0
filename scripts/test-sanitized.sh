#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs the tiers that run the program's own code in this
# process: rules, forms, desktop and fuzz (print and a11y drive the program
# through a print server and a screen reader, and run in scripts/test.sh).
# Any report fails the run. Further arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTEL_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
scripts/run-tests.sh build-asan -L '^(rules|forms|desktop|fuzz)$' "$@"
