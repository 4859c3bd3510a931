#!/usr/bin/env python3
"""Runs two builds of vestaro-batch over the same designs and compares every file they write.

Usage: compare-batch-reports.py OLD_BATCH NEW_BATCH WORKDIR [--generated N] [--seed S] [DESIGN...]

The designs are the ones named, the designs under tests/data, and N designs derived from the
start-up design with random conditions and pond tables (rain, outlet, pump, storage source and
formula, time steps). Each build writes the text report, the PDF report and the messages of
every design into its own folder; the files must agree byte for byte, except for the PDF's
creation time, which is the clock's.
"""
import argparse
import pathlib
import random
import re
import shutil
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
STARTUP = ROOT / "tests" / "data" / "design" / "startup.dat"

# Line numbers (0-based) of the start-up design file's fields.
CONCENTRATION, RAIN_DURATION, RUNOFF_COEF, CATCHMENT = 162, 163, 164, 165
WAVEFORM, CONST_INTENSITY = 11, 13
ORIFICE_STAGES, ORIFICE_SHAPE = 169, 170
SPILLWAY_WIDTH, SPILLWAY_CREST = 172, 173
UPPER = (174, 175, 176)  # width, height, sill
LOWER = (177, 178, 179)
PUMP_KIND, PUMP_CAPACITY, PUMP_MIN, PUMP_MAX = 180, 181, 182, 183
CIRCLE_C = 186
STORAGE_SOURCE, INITIAL_STORAGE = 188, 189
POND_ROWS_LINE = 191  # the grid's row count; its units row and 30 table rows follow
POND_TABLE_ROWS = 30
STORAGE_FORMULA_OFFSET = 0  # the line after the grid


def random_pond(rng, rows, typed):
    """Rows of level, area and (when typed) storage that rise from row to row."""
    level = round(rng.uniform(20, 30), 2)
    area = round(rng.uniform(0, 500), 1)
    storage = 0.0
    lines = []
    for i in range(rows):
        if i > 0:
            depth = rng.choice([0.0, 0.01, 0.5, 1.0, 1.0, 2.0]) if rng.random() < 0.15 else round(rng.uniform(0.2, 1.5), 2)
            grown = max(area, round(area + rng.uniform(-200 if rng.random() < 0.1 else 0, 20000), 1))
            if depth > 0:
                storage += (area + grown) * depth / 2 * rng.choice([1.0, 1.0, 0.98, 1.03])
            level = round(level + depth, 2)
            area = grown
        lines.append(f"{level:.2f},{area:.1f},{storage:.1f}" if typed else f"{level:.2f},{area:.1f},")
    return lines


def derived_design(rng):
    lines = STARTUP.read_bytes().decode("cp932").split("\r\n")
    grid_start = POND_ROWS_LINE + 2
    tail = lines[grid_start + POND_TABLE_ROWS:]
    head = lines[:grid_start]
    head[WAVEFORM] = str(rng.choice([0, 1, 2]))
    head[CONST_INTENSITY] = str(rng.choice([20, 50, 80]))
    head[CONCENTRATION] = str(rng.choice([5, 10, 20, 30, 60]))
    head[RUNOFF_COEF] = f"{rng.uniform(0.3, 0.95):.2f}"
    head[CATCHMENT] = f"{rng.uniform(5, 400):.1f}"
    head[ORIFICE_STAGES] = str(rng.choice([0, 1]))
    head[ORIFICE_SHAPE] = str(rng.choice([0, 1]))
    head[PUMP_KIND] = str(rng.choice([0, 0, 0, 1, -1]))
    head[PUMP_CAPACITY] = f"{rng.uniform(0.1, 3):.1f}"
    head[STORAGE_SOURCE] = str(rng.choice([0, 1]))
    rows = rng.choice([1, 2, 3, 5, 12, 20, 30])
    pond = random_pond(rng, rows, typed=True)
    low, high = float(pond[0].split(",")[0]), float(pond[-1].split(",")[0])
    head[CIRCLE_C] = f"{rng.uniform(0.5, 0.9):.2f}"
    # Openings one above the other and the crest above both, as the validation asks.
    sill = rng.uniform(low, low + (high - low) / 4)
    for width, height, sill_line in (LOWER, UPPER):
        opening = rng.uniform(0.1, max(0.15, (high - low) / 6))
        head[width] = f"{rng.uniform(0.2, 1.5):.3f}"
        head[height] = f"{opening:.3f}"
        head[sill_line] = f"{sill:.3f}"
        sill += opening + rng.uniform(0.01, (high - low) / 6 + 0.01)
    head[SPILLWAY_CREST] = f"{rng.uniform(sill, max(sill, high) + 0.5):.3f}"
    tail[STORAGE_FORMULA_OFFSET] = str(rng.choice([-1, 0, 1]))
    tail[1] = str(rng.choice([600, 1440, 2000, 3000]))       # routing duration (min)
    tail[2] = str(rng.choice([20, 10, 5, 2, 1, 0.5]))         # pitch (min)
    tail[3] = rng.choice(["0.0", "0.0", f"{low:.2f}"])        # starting level
    pond += [",,"] * (POND_TABLE_ROWS - rows)
    return "\r\n".join(head + pond + tail).encode("cp932")


def run(batch, design, out):
    out.mkdir(parents=True)
    result = subprocess.run([batch, "calc", str(design), "--out", str(out), "--messages",
                             str(out / "messages.txt")], capture_output=True)
    (out / "exit-and-stderr.txt").write_bytes(str(result.returncode).encode() + b"\n" + result.stderr)


def normalised(path):
    data = path.read_bytes()
    return re.sub(rb"\(D:\d{14}\)", b"(D:00000000000000)", data) if path.suffix == ".pdf" else data


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("workdir")
    parser.add_argument("--generated", type=int, default=200)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("designs", nargs="*")
    args = parser.parse_args()

    work = pathlib.Path(args.workdir)
    shutil.rmtree(work, ignore_errors=True)
    (work / "designs").mkdir(parents=True)
    designs = [pathlib.Path(d) for d in args.designs] + sorted((ROOT / "tests" / "data").rglob("*.dat"))
    rng = random.Random(args.seed)
    for i in range(args.generated):
        path = work / "designs" / f"derived-{i:04d}.dat"
        path.write_bytes(derived_design(rng))
        designs.append(path)

    differing = 0
    for i, design in enumerate(designs):
        old, new = work / "old" / str(i), work / "new" / str(i)
        run(args.old, design, old)
        run(args.new, design, new)
        names = sorted(p.name for p in old.iterdir())
        if names != sorted(p.name for p in new.iterdir()):
            print(f"{design}: the builds write different files", file=sys.stderr)
            differing += 1
            continue
        for name in names:
            if normalised(old / name) != normalised(new / name):
                print(f"{design}: {name} differs", file=sys.stderr)
                differing += 1
    print(f"{len(designs)} designs, {differing} differences")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
