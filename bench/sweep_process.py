#!/usr/bin/env python3
"""The whole `quelvan-cli sweep` process on the default wall's insulation sweep (1000 variants,
1 to 1000 mm of glass wool, CSV into a file): the week's figures on 1 and 2 threads, taken in
turn, and, when asked, the same study with the annual balance. Prints the medians, the speed-up
of 2 threads over 1 and the machine's load average before and after.

Usage: sweep_process.py RUNS BUILD_DIR [ANNUAL_RUNS]   (e.g. sweep_process.py 9 build/release 1)
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from in_turn import time_in_turn  # noqa: E402

SWEEP = ["sweep", "p.ksl", "--layer", "2", "--thickness", "1:1000:1", "--csv"]


def main():
    runs = int(sys.argv[1])
    cli = os.path.join(os.path.abspath(sys.argv[2]), "src", "quelvan-cli")
    annual_runs = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    load_before = os.getloadavg()
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([cli, "new", "p.ksl"], cwd=folder, check=True, stdout=subprocess.DEVNULL)
        week = [[cli] + SWEEP + ["--jobs", str(j), "-o", f"w{j}.csv"] for j in (1, 2)]
        times = time_in_turn(runs, week, cwd=folder)
        same = open(os.path.join(folder, "w1.csv"), "rb").read() == open(
            os.path.join(folder, "w2.csv"), "rb").read()
        rows = [("week, 1 thread", times[0]), ("week, 2 threads", times[1])]
        if annual_runs:
            year = [[cli] + SWEEP + ["--annual", "--jobs", str(j), "-o", f"a{j}.csv"]
                    for j in (1, 2)]
            annual = time_in_turn(annual_runs, year, cwd=folder)
            rows += [("with --annual, 1 thread", annual[0]), ("with --annual, 2 threads", annual[1])]
    load_after = os.getloadavg()
    print(f"1000 variants; medians of {runs} runs (annual: {annual_runs}) taken in turn")
    print(f"load average before {load_before[0]:.1f}, after {load_after[0]:.1f}")
    print()
    print("| study | wall | CPU |")
    print("|---|---|---|")
    for name, (wall, cpu) in rows:
        print(f"| {name} | {wall:.2f} s | {cpu:.2f} s |")
    print()
    print(f"2 threads against 1, week: {times[0][0] / times[1][0]:.2f}x"
          + (f"; annual: {rows[2][1][0] / rows[3][1][0]:.2f}x" if annual_runs else ""))
    print("outputs of 1 and 2 threads identical:", same)


if __name__ == "__main__":
    main()
