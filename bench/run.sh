#!/usr/bin/env bash
# Builds the benchmarks and runs them: start-up (the program beside its two
# yardsticks, a bare window and a fair one) and interactions (every user
# action, from real input to its repaint). Both run on an X server of their own
# (Xvfb) with a window manager (openbox); the page printed goes to a private
# print server (scripts/print-server.sh) under a folder of its own in /tmp.
# Everything started here is stopped at the end.
#
# Usage: bench/run.sh [runs] [offscreen]
#   runs       repetitions of each measurement (default 20)
#   offscreen  start-up only, on Qt's offscreen platform, without X
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTEL_TESTS=OFF -DVANTEL_BENCH=ON >/dev/null
cmake --build build-bench --target startup_bench interactions_bench

echo "load before: $(uptime)"
if [ "${2:-}" = "offscreen" ]; then
  QT_QPA_PLATFORM=offscreen build-bench/bench/startup_bench "$runs"
  echo "load after: $(uptime)"
  exit 0
fi

work=$(mktemp -d /tmp/vantel-bench.XXXXXX)
chmod 755 "$work"  # the print server's filters run as another user
pids=()
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
stop() {
  scripts/print-server.sh stop "$work/print" >/dev/null 2>&1 || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap stop EXIT

display=
for n in $(shuf -i 150-199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "bench: no free X display number in 150..199" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY=$display openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
  sleep 0.1
done
scripts/print-server.sh start "$work/print" >/dev/null

export DISPLAY=$display
build-bench/bench/startup_bench "$runs"
echo
CUPS_SERVER=$work/print/cups.sock build-bench/bench/interactions_bench "$runs"
echo "load after: $(uptime)"
