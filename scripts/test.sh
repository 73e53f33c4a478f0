#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
# With --sanitize it also builds and runs the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
if [ "${1:-}" = "--sanitize" ]; then
  scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTEL_SANITIZE=ON
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
fi
