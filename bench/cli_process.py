#!/usr/bin/env python3
"""The whole quelvan-cli process, command by command, on a new project: median wall and CPU
times of commands taken in turn (in_turn.py), each against check's, and the peak resident memory
(/usr/bin/time -v). Given two build folders (before, after), both are timed in the same turns.

Usage: cli_process.py RUNS BUILD_DIR [BUILD_DIR ...]   (e.g. cli_process.py 40 build/release)
"""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from in_turn import time_in_turn  # noqa: E402

COMMANDS = [
    ("check", ["check", "p.ksl"]),
    ("run", ["run", "p.ksl"]),
    ("run --fine", ["run", "p.ksl", "--fine"]),
    ("dynamic", ["dynamic", "p.ksl"]),
    ("--help", ["--help"]),
    ("report", ["report", "p.ksl", "-o", "p.pdf", "--date", "2026-01-02T03:04"]),
    ("annual (Mâcon)", ["annual", "w.ksl"]),
]


def weather_project(folder):
    """w.ksl: the new project with the weather of Mâcon outside (the exterior list's last)."""
    with open(os.path.join(folder, "p.ksl"), "rb") as f:
        lines = f.read().split(b"\r\n")
    first = next(k for k, line in enumerate(lines) if line.startswith(b"C="))
    lines[first] = b"C=          11 :"
    with open(os.path.join(folder, "w.ksl"), "wb") as f:
        f.write(b"\r\n".join(lines))


def peak_memory(command, folder):
    """The largest resident set of one run, in kB."""
    report = subprocess.run(["/usr/bin/time", "-v"] + command, cwd=folder, text=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE).stderr
    return int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", report)[1])


def main():
    runs = int(sys.argv[1])
    labels = sys.argv[2:]
    builds = [os.path.abspath(b) for b in labels]
    with tempfile.TemporaryDirectory() as folder:
        cli = [os.path.join(b, "src", "quelvan-cli") for b in builds]
        os.spawnv(os.P_WAIT, cli[0], [cli[0], "new", os.path.join(folder, "p.ksl")])
        weather_project(folder)
        table = [(b, name, [c] + args) for b, c in zip(builds, cli) for name, args in COMMANDS]
        times = time_in_turn(runs, [t[2] for t in table], cwd=folder)
        peaks = [peak_memory(t[2], folder) for t in table]
    print(f"{runs} runs of each, taken in turn; medians")
    print()
    print("| build | command | wall | CPU | peak memory | wall / check | CPU / check |")
    print("|---|---|---|---|---|---|---|")
    check = {}
    for (build, name, _), (wall, cpu), peak in zip(table, times, peaks):
        if name == "check":
            check[build] = (wall, cpu)
        print(f"| {labels[builds.index(build)]} | `{name}` | {wall * 1000:.1f} ms | {cpu * 1000:.1f} ms"
              f" | {peak / 1024:.1f} MB | {wall / check[build][0]:.1f}× |"
              f" {cpu / check[build][1]:.1f}× |")


if __name__ == "__main__":
    main()
