#!/usr/bin/env bash
# Builds the start-up benchmark and runs it: under Xvfb (a real X server
# without a window manager) when xvfb-run is there, else on Qt's offscreen
# platform. Usage: bench/run.sh [runs] [offscreen]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTEL_TESTS=OFF -DVANTEL_BENCH=ON >/dev/null
cmake --build build-bench --target startup_bench
if [ "${2:-}" = "offscreen" ] || ! command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=offscreen build-bench/bench/startup_bench "$runs"
else
  xvfb-run -a -s "-screen 0 1024x768x24" build-bench/bench/startup_bench "$runs"
fi
