#!/usr/bin/env python3
"""Records what Quelvan's command-line tool gives for about fifty variants of a new project, so
that two builds can be compared byte for byte:

    scripts/compare_outputs.py build/release /tmp/before      # on the old tree
    scripts/compare_outputs.py build/release /tmp/after       # on the new tree
    diff -r /tmp/before /tmp/after

For each variant it keeps the project file, `check` (standard output, standard error, exit
code), the `.res` file of `run`, the PNG images of `render` and the text and page images of
the `report` PDF (as their SHA-256, the text whole). For a few of them it also keeps every
output of the studies: `dynamic`, `annual` and `condensation` as text and JSON, `compare` and
`sweep` as text, JSON and CSV (with and without `--annual`), and the report with its annual
page. Variants change one thing at a time from
the new project: each exterior and interior ambiance, every azimuth and inclination under the
computed sun, the weather of every city, first days that wrap the year, the initial
temperature, surface coefficients, and other walls.
"""
import hashlib
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path


def sha(data: bytes) -> str:
    return hashlib.sha256(data).hexdigest()


def set_line(lines, pattern, new, occurrence=0):
    """Replaces the occurrence-th line matching the regular expression."""
    seen = 0
    for i, line in enumerate(lines):
        if re.match(pattern, line):
            if seen == occurrence:
                lines[i] = new
                return
            seen += 1
    raise KeyError(pattern)


def keyed(key, value, label=""):
    return f"{key}={value:>12} :{label}"


def layers(rows):
    out = [f"N={len(rows):3d} : nb de couches"]
    for thickness, index, name in rows:
        out.append(f"L={thickness:>12} I={index:3d} M={name}")
    return out


def variants(base):
    """(name, edit) pairs; edit takes the list of lines and changes it in place."""
    out = [("new", lambda l: None)]

    def choose(ext=None, inner=None):
        def edit(l):
            if ext is not None:
                set_line(l, r"C=", keyed("C", ext), 0)
            if inner is not None:
                set_line(l, r"C=", keyed("C", inner), 1)
        return edit

    for e in range(12):
        out.append((f"ext{e:02d}", choose(ext=e)))
    for i in range(9):
        out.append((f"int{i:02d}", choose(inner=i)))
    for az in (180, -145, -90, -45, 45, 90, 135):
        out.append((f"sun-az{az}", lambda l, az=az: (choose(ext=10)(l),
                                                    set_line(l, r"A=", keyed("A", az)))))
    for inc in (0, 30, 45, 60, 120, 135, 150, 180):
        out.append((f"sun-inc{inc}", lambda l, inc=inc: (choose(ext=10)(l),
                                                       set_line(l, r"I=", keyed("I", inc)))))

    def weather(city, day):
        def edit(l):
            choose(ext=11)(l)
            for k, line in enumerate(l):
                if line.startswith("O= 11 1"):
                    l[k] = f"O= 11 1{city:3d}{day:4d}" + line[14:]
        return edit

    for city in range(10):
        out.append((f"weather-city{city}", weather(city, 1)))
    for day in (200, 360, 365):
        out.append((f"weather-day{day}", weather(5, day)))
    out.append(("initial-previous", lambda l: set_line(l, r"T=", keyed("T", 1))))
    out.append(("absorption", lambda l: (choose(ext=10)(l),
                                         set_line(l, r"a=", keyed("a", "0.9"), 1))))
    out.append(("resistances", lambda l: (set_line(l, r"h=", keyed("h", "0.2"), 0),
                                          set_line(l, r"h=", keyed("h", "0.08"), 1))))

    def wall(rows):
        def edit(l):
            start = next(k for k, line in enumerate(l) if line.endswith("nb de couches"))
            end = start + 1
            while l[end].startswith("L="):
                end += 1
            l[start:end] = layers(rows)
        return edit

    out.append(("wall-concrete", wall([("200", 0, "Béton lourd")])))
    out.append(("wall-seven", wall([("15", 5, "Enduit de mortier"), ("200", 1, "x"),
                                    ("100", 14, "x"), ("20", 18, "x"), ("50", 15, "x"),
                                    ("13", 9, "x"), ("5", 8, "Plâtre")])))
    out.append(("wall-steel", wall([("1", 7, "Métal ferreux"), ("80", 15, "x"),
                                    ("1", 7, "Métal ferreux")])))
    out.append(("wall-wood", wall([("80", 17, "x"), ("160", 13, "x"), ("22", 16, "x")])))
    return out


def run(cmd, cwd):
    p = subprocess.run(cmd, cwd=cwd, capture_output=True, timeout=300)
    return p.returncode, p.stdout, p.stderr


# The variants whose studies are kept: the new project, a weather exterior, a seven-layer wall
# and a wooden one.
STUDIED = ("new", "ext11", "wall-seven", "wall-wood")


def keep(d: Path, label: str, result, tmp: Path):
    rc, so, se = result
    (d / f"{label}.txt").write_bytes(so.replace(str(tmp).encode(), b"TMP") + b"--stderr--\n" +
                                     se.replace(str(tmp).encode(), b"TMP") +
                                     f"--exit {rc}\n".encode())


def record_studies(cli: Path, weather: Path, tmp: Path, project: Path, d: Path):
    where = ["--weather-dir", str(weather)]
    p = project.name
    for fmt in ([], ["--json"]):
        tag = "json" if fmt else "text"
        keep(d, f"dynamic-{tag}", run([str(cli), "dynamic", p] + fmt, tmp), tmp)
        keep(d, f"annual-{tag}", run([str(cli), "annual", p] + where + fmt, tmp), tmp)
        keep(d, f"condensation-{tag}", run([str(cli), "condensation", p] + where + fmt, tmp),
             tmp)
    keep(d, "dynamic-period", run([str(cli), "dynamic", p, "--period", "168"], tmp), tmp)
    for fmt in ([], ["--json"], ["--csv"]):
        for annual in ([], ["--annual"]):
            tag = "-".join(["json" if "--json" in fmt else "csv" if fmt else "text"] +
                           (["annual"] if annual else []))
            keep(d, f"compare-{tag}",
                 run([str(cli), "compare", p, p] + where + fmt + annual, tmp), tmp)
            keep(d, f"sweep-{tag}",
                 run([str(cli), "sweep", p, "--layer", "1", "--thickness", "50:150:50",
                      "--reverse"] + where + fmt + annual, tmp), tmp)
    keep(d, "sweep-azimuth", run([str(cli), "sweep", p, "--azimuth", "all", "--json"] + where,
                                 tmp), tmp)
    pdf = tmp / f"{project.stem}-annual.pdf"
    result = run([str(cli), "report", p, "-o", pdf.name, "--date", "2026-01-02T03:04",
                  "--parts", "0,1,2,3,4,annuel"] + where, tmp)
    keep(d, "report-annual", result, tmp)
    if pdf.exists():
        text = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True).stdout
        (d / "report-annual-pdf.txt").write_bytes(text)
        pages = tmp / "annual-pages"
        pages.mkdir(exist_ok=True)
        for old in pages.iterdir():
            old.unlink()
        subprocess.run(["pdftoppm", "-r", "40", "-png", str(pdf), str(pages / "p")], check=True)
        (d / "report-annual-pages.txt").write_text(
            "".join(f"{page.name} {sha(page.read_bytes())}\n" for page in sorted(pages.iterdir())))


def record(build: Path, out: Path):
    cli = build / "src" / "quelvan-cli"
    weather = build / "data" / "weather"
    out.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        tmp = Path(tmp)
        base = tmp / "base.ksl"
        run([str(cli), "new", str(base)], tmp)
        raw = base.read_bytes()
        text = raw.decode("cp1252")
        lines = text.split("\r\n")
        for name, edit in variants(lines):
            l = list(lines)
            edit(l)
            project = tmp / f"{name}.ksl"
            project.write_bytes("\r\n".join(l).encode("cp1252"))
            d = out / name
            d.mkdir(exist_ok=True)
            (d / "project.ksl.sha").write_text(sha(project.read_bytes()) + "\n")
            summary = []
            for mode in ([], ["--fine"]):
                tag = "fine" if mode else "standard"
                rc, so, se = run([str(cli), "check", project.name] + mode, tmp)
                (d / f"check-{tag}.txt").write_bytes(so + b"--stderr--\n" + se +
                                                     f"--exit {rc}\n".encode())
                res = tmp / f"{name}-{tag}.res"
                rc, so, se = run([str(cli), "run", project.name, "-o", res.name,
                                  "--weather-dir", str(weather)] + mode, tmp)
                body = res.read_bytes() if res.exists() else b""
                (d / f"run-{tag}.res").write_bytes(body)
                (d / f"run-{tag}.out").write_bytes(so.replace(str(tmp).encode(), b"TMP") +
                                                   b"--stderr--\n" + se + f"--exit {rc}\n".encode())
                if tag == "fine" and name not in ("new", "ext10", "ext11", "weather-day365"):
                    continue
                images = [tmp / f"{name}-{tag}-{k}.png" for k in ("wall", "profile", "flux")]
                rc, so, se = run([str(cli), "render", project.name, "--wall", images[0].name,
                                  "--profile", images[1].name, "--flux", images[2].name,
                                  "--weather-dir", str(weather)] + mode, tmp)
                for image in images:
                    summary.append(f"{tag} {image.name.split('-')[-1]} "
                                   f"{sha(image.read_bytes()) if image.exists() else 'absent'}")
                summary.append(f"{tag} render exit {rc}")
                pdf = tmp / f"{name}-{tag}.pdf"
                rc, so, se = run([str(cli), "report", project.name, "-o", pdf.name,
                                  "--date", "2026-01-02T03:04", "--parts", "0,1,2,3,4", "--weather-dir", str(weather)]
                                 + mode, tmp)
                summary.append(f"{tag} report exit {rc}")
                if pdf.exists():
                    text = subprocess.run(["pdftotext", "-layout", str(pdf), "-"],
                                          capture_output=True).stdout
                    (d / f"report-{tag}.txt").write_bytes(text)
                    pages = tmp / "pages"
                    pages.mkdir(exist_ok=True)
                    for old in pages.iterdir():
                        old.unlink()
                    subprocess.run(["pdftoppm", "-r", "40", "-png", str(pdf), str(pages / "p")],
                                   check=True)
                    for page in sorted(pages.iterdir()):
                        summary.append(f"{tag} page {page.name} {sha(page.read_bytes())}")
            (d / "images.txt").write_text("\n".join(summary) + "\n")
            if name in STUDIED:
                record_studies(cli, weather, tmp, project, d)
            print(name, flush=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: compare_outputs.py BUILD_DIR OUT_DIR")
    record(Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve())
