#!/usr/bin/env python3
"""CPU time per variant of a study on a weather project: the default wall under the Mâcon
weather file, its insulation swept over 50 thicknesses, on one thread, the week's figures only
and with the annual balance. Given two builds, the two are taken in turn (before / after) and
their outputs compared byte for byte.

Usage: weather_study.py RUNS BUILD_DIR [OTHER_BUILD_DIR]   (e.g. weather_study.py 5 build/release)
"""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from in_turn import time_in_turn  # noqa: E402

VARIANTS = 50
SWEEP = ["sweep", "p.ksl", "--layer", "2", "--thickness", f"10:{10 * VARIANTS}:10", "--jobs", "1"]


def make_project(cli, folder):
    subprocess.run([cli, "new", "p.ksl"], cwd=folder, check=True, stdout=subprocess.DEVNULL)
    path = os.path.join(folder, "p.ksl")
    lines = open(path, "rb").read().split(b"\n")
    # The exterior ambiance becomes "Météo de la ville de Mâcon" (index 11): the first "C=" line.
    for i, line in enumerate(lines):
        if re.fullmatch(rb"C= +[0-9]+ :\r?", line):
            lines[i] = b"C=          11 :" + (b"\r" if line.endswith(b"\r") else b"")
            break
    open(path, "wb").write(b"\n".join(lines))


def main():
    runs = int(sys.argv[1])
    clis = [os.path.join(os.path.abspath(b), "src", "quelvan-cli") for b in sys.argv[2:4]]
    load_before = os.getloadavg()
    with tempfile.TemporaryDirectory() as folder:
        make_project(clis[0], folder)
        rows = []
        for label, extra in (("week", []), ("--annual", ["--annual"])):
            commands = [[cli] + SWEEP + extra + ["-o", f"{label}{k}.csv", "--force"]
                        for k, cli in enumerate(clis)]
            times = time_in_turn(runs, commands, cwd=folder)
            outputs = [open(os.path.join(folder, f"{label}{k}.csv"), "rb").read()
                       for k in range(len(clis))]
            rows.append((label, times, all(o == outputs[0] for o in outputs)))
    load_after = os.getloadavg()
    print(f"{VARIANTS} variants, --jobs 1; medians of {runs} runs taken in turn; "
          f"load average {load_before[0]:.1f} before, {load_after[0]:.1f} after")
    for label, times, same in rows:
        cells = "  ".join(f"{cpu / VARIANTS * 1000:6.1f} ms CPU/variant ({cli})"
                          for cli, (_, cpu) in zip(sys.argv[2:4], times))
        print(f"{label:9} {cells}" + ("" if len(clis) == 1 else f"  same output: {same}"))


if __name__ == "__main__":
    main()
