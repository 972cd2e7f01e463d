#!/usr/bin/env python3
"""Instructions executed in the calls that one function of quelvan_bench makes, per iteration.

Usage: callgrind_calls.py BENCH_BINARY BENCHMARK_FILTER CALLER_REGEX [EXCLUDED_CALLEE_REGEX]

Runs the benchmarks matching the filter once each under valgrind's callgrind (instruction
counts do not depend on the machine's load), then sums the inclusive instructions of every
call whose caller matches CALLER_REGEX (for example RunWeek for an engine week, DirectSolveWeek
for the direct week), leaving out the callees that match EXCLUDED_CALLEE_REGEX, and divides by
the iterations that the benchmark reported.
"""
import re
import subprocess
import sys
import tempfile


def main():
    bench, bench_filter, caller = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as folder:
        out = folder + "/callgrind.out"
        run = subprocess.run(
            ["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out, bench,
             "--benchmark_filter=" + bench_filter, "--benchmark_min_time=0.000001"],
            capture_output=True, text=True, check=True)
        # Every function: the default threshold drops the small callees of a short week.
        text = subprocess.run(
            ["callgrind_annotate", "--inclusive=yes", "--tree=caller", "--threshold=100", out],
            capture_output=True, text=True, check=True).stdout
    iterations = [int(m[1]) for m in re.finditer(r"\s+\d\S* \S+\s+\d\S* \S+\s+(\d+)", run.stdout)]
    excluded = sys.argv[4] if len(sys.argv) > 4 else None
    total = 0
    # callgrind_annotate's caller tree: blocks separated by blank lines, each with its callers
    # ("<" lines, instructions spent in calls from that caller), then the function ("*").
    for block in text.split("\n\n"):
        callee = re.search(r"^\s*[\d,]+ \([^)]*\)\s+\*\s+(.*)$", block, re.M)
        if callee is None or (excluded and re.search(excluded, callee[1])):
            continue
        for m in re.finditer(r"^\s*([\d,]+) \([^)]*\)\s+<\s+(.*)$", block, re.M):
            if re.search(caller, m[2]):
                total += int(m[1].replace(",", ""))
    runs = sum(iterations) or 1
    print(f"{total / runs:,.0f} instructions per iteration ({runs} iterations)")


if __name__ == "__main__":
    main()
