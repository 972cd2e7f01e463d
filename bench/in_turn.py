#!/usr/bin/env python3
"""Times whole commands taken in turn (A, B, C, A, B, C, ...), so that a shared machine's load
falls on all of them alike. Prints the median wall time and the median CPU time (user + system)
of each command.

Usage: in_turn.py RUNS 'COMMAND A' 'COMMAND B' ...   (each command split on spaces, run in the
current folder, output discarded)
"""
import os
import statistics
import subprocess
import sys
import time


def main():
    runs = int(sys.argv[1])
    commands = sys.argv[2:]
    wall = {c: [] for c in commands}
    cpu = {c: [] for c in commands}
    for _ in range(runs):
        for c in commands:
            start = time.perf_counter()
            child = subprocess.Popen(c.split(), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(child.pid, 0)
            wall[c].append(time.perf_counter() - start)
            child.returncode = os.waitstatus_to_exitcode(status)
            if child.returncode != 0:
                sys.exit(f"{c}: exit code {child.returncode}")
            cpu[c].append(usage.ru_utime + usage.ru_stime)
    for c in commands:
        print(f"{statistics.median(wall[c]) * 1000:7.1f} ms wall  "
              f"{statistics.median(cpu[c]) * 1000:6.1f} ms CPU  {c}")


if __name__ == "__main__":
    main()
