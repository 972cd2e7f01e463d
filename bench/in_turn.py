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


def time_in_turn(runs, commands, cwd=None):
    """[(median wall s, median CPU s)] of the commands, each given as a list of words."""
    wall = {i: [] for i in range(len(commands))}
    cpu = {i: [] for i in range(len(commands))}
    for _ in range(runs):
        for i, c in enumerate(commands):
            start = time.perf_counter()
            child = subprocess.Popen(c, cwd=cwd, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(child.pid, 0)
            wall[i].append(time.perf_counter() - start)
            code = os.waitstatus_to_exitcode(status)
            if code != 0:
                sys.exit(f"{' '.join(c)}: exit code {code}")
            cpu[i].append(usage.ru_utime + usage.ru_stime)
    return [(statistics.median(wall[i]), statistics.median(cpu[i]))
            for i in range(len(commands))]


def main():
    runs = int(sys.argv[1])
    commands = sys.argv[2:]
    for c, (wall, cpu) in zip(commands, time_in_turn(runs, [c.split() for c in commands])):
        print(f"{wall * 1000:7.1f} ms wall  {cpu * 1000:6.1f} ms CPU  {c}")


if __name__ == "__main__":
    main()
