#!/usr/bin/env bash
# Batch benchmark of vantel-calc: one million rows of birth dates to compute
# (death date and age at death per row), timed beside `wc -l` over the same
# file, the floor of any program that reads it. Run once more over a file twice
# as long: the peak memory stays the same, since rows are streamed. Not a test.
# Usage: bench/calc_bench.sh [rows]
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-1000000}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTEL_TESTS=OFF -DVANTEL_BENCH=ON >/dev/null
cmake --build build-bench --target vantel-calc >/dev/null
calc=build-bench/src/cli/vantel-calc

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Deterministic rows: death dates of 1700 to 1999, ages of 0 to 99 years.
make_rows() {
  awk -v n="$1" 'BEGIN { print "name,died,age"
    for (i = 0; i < n; i++)
      printf "stone %d,%04d-%02d-%02d,%dy%dm%dd\n", i, 1700 + i % 300, 1 + i % 12, 1 + i % 28,
             i % 100, i % 12, i % 31 }' >"$2"
}
make_rows "$rows" "$work/rows.csv"
make_rows $((rows * 2)) "$work/rows2.csv"

measure() {  # measure COMMAND...: wall and processor seconds and peak memory, output discarded
  /usr/bin/time -f "%e s wall, %U s user + %S s system, peak %M KiB" "$@" 2>&1 >/dev/null | tail -1
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores (wall times grow with it)"
echo "rows: $rows ($(du -h "$work/rows.csv" | cut -f1))"
echo "wc -l:                        $(measure wc -l "$work/rows.csv")"
echo "vantel-calc birth:            $(measure "$calc" birth --csv "$work/rows.csv")"
echo "vantel-calc birth, 2x rows:   $(measure "$calc" birth --csv "$work/rows2.csv")"
