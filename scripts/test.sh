#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless:
# every tier (see scripts/run-tests.sh and tests/CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
scripts/run-tests.sh build
