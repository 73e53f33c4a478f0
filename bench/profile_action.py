#!/usr/bin/env python3
"""Where one action's processor time goes: a profile of interactions_bench
--once cut to the time of that action.

    perf record -k CLOCK_MONOTONIC --call-graph dwarf,32768 -F 4000 -o run.data \\
        build-bench/bench/interactions_bench --once > run.log
    bench/profile_action.py run.log run.data "Open Census (first)"

Prints the functions found on the stacks of the samples taken while the action
ran, with the share of those samples each was on (inclusive), most first.
The benchmark prints each action's start and end on the monotonic clock, which
perf stamps its samples with when recorded with -k CLOCK_MONOTONIC.
"""
import collections
import re
import subprocess
import sys


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    log, data, action = sys.argv[1:4]
    top = int(sys.argv[4]) if len(sys.argv) > 4 else 60
    window = None
    for line in open(log):
        fields = line.rstrip("\n").split("\t")
        if fields[0] == "time" and fields[1] == action and len(fields) >= 6:
            window = (int(fields[4]) / 1e9, int(fields[5]) / 1e9)
    if not window:
        sys.exit(f"no action named {action!r} in {log}")
    script = subprocess.run(["perf", "script", "-i", data, "-F", "comm,tid,time,ip,sym"],
                            capture_output=True, text=True, check=True).stdout
    counts, samples = collections.Counter(), 0
    for sample in script.split("\n\n"):
        lines = sample.strip().split("\n")
        stamp = re.search(r"\s(\d+\.\d+):", lines[0]) if lines[0] else None
        if not stamp or not window[0] <= float(stamp.group(1)) <= window[1]:
            continue
        samples += 1
        frames = {re.sub(r"\+0x[0-9a-f]+$", "", re.sub(r"^[0-9a-f]+\s+", "", f.strip()))
                  for f in lines[1:]}
        counts.update(f for f in frames if f and not f.startswith("[unknown]"))
    print(f"{action}: {samples} samples, {1000 * (window[1] - window[0]):.1f} ms")
    for name, count in counts.most_common(top):
        print(f"{100 * count / max(samples, 1):5.1f}%  {name[:120]}")


if __name__ == "__main__":
    main()
