#!/usr/bin/env bash
# Runs the tests of a build folder with ctest; further arguments go to ctest
# (-L rules, -L 'rules|forms', -R Journey ...).
# A test whose tools are missing reports itself skipped with the reason. Under
# CI (CI=true), where scripts/setup.sh has installed everything, a skipped test
# fails the run, and so does a test without a tier label.
# Usage: scripts/run-tests.sh BUILD-DIR [ctest options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" "$@" | tee "$log"
if [ "${CI:-}" = true ]; then
  if grep -q -E '\((Skipped|Not Run)\)' "$log"; then
    echo "CI installs every tool the tests need, so no test may be skipped." >&2
    exit 1
  fi
  unlabelled=$(ctest --test-dir "$dir" -N -LE '^(rules|forms|desktop|print|a11y|fuzz)$' |
    sed -n 's/^Total Tests: //p')
  if [ "$unlabelled" != 0 ]; then
    echo "$unlabelled tests carry no tier label (rules, forms, desktop, print, a11y, fuzz)." >&2
    exit 1
  fi
fi
