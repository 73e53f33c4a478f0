#!/usr/bin/env bash
# Configures and builds the program and its tests.
# Usage: scripts/build.sh [build-dir] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
# With ccache at hand, compiled files are kept and shared between the build
# folders of any clone on this machine (paths are taken relative to the clone).
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$dir" --parallel "$(nproc)"
