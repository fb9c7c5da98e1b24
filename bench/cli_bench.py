#!/usr/bin/env python3
"""sheetwise-cli as scripts run it: whole processes, side by side with awk.

  cli_bench.py SHEETWISE_CLI [--papers N] [--runs R]

Times `export` and `show --json` of a catalog of N papers (100,000 unless given) against awk
splitting the same bytes into the same fields, each as a whole process writing to /dev/null, and
measures the peak memory of `check` over a 20 MB damaged attribute file, and of `check` and
`show` over 60 MB catalog files of blank lines, of long lines and with a first line too long to
read, against the file's size (target: at most 4 x the file). Runs are interleaved so
that a busy machine slows every command alike; the table gives medians (wall clock and CPU time,
user plus system) and each command's CPU time as a multiple of awk's.

The edit commands: `apply` of a 10-edit script to 200 catalogs of 300 papers, whole process
(target: 2 s), each catalog in a folder of its own, as print servers keep them, and all in one
folder, whose lock lets one save at a time write; and applied again, when it writes nothing. An
edit command (modify) on the catalog of N papers against `convert` of it (target: at most 3 x
convert).
"""
import json
import argparse
import os
import pathlib
import statistics
import subprocess
import tempfile
import time

COLOURS = ["white", "blue", "ivory", "*"]
TYPES = ["plain", "cover", "recycled", "tab"]
SIZES = "8.5:11:0:0:0:Letter\n210:297:0:0:1:A4\n9:11:0:0:0:Tab\n11:17:0:0:0:Ledger\n"
ATTRIBUTES = "[PaperWeights]\n*\n75\n[PaperTypes]\nplain\ncover\nrecycled\ntab\n" \
             "[PaperColors]\nwhite\nblue\nivory\n*\n\n"
# awk splitting the same bytes into the same seven fields and writing them out, as export does;
# and awk only splitting them, which writes nothing.
AWK_PRINT = ["awk", "-F:", '{print $1","$2","$3","$4","$5","$6","$7}']
AWK_SPLIT = ["awk", "-F:", "{n += NF} END {print n}"]


def write_catalog(folder, name, papers, attributes=ATTRIBUTES):
    """The catalog bench/BenchCatalogs.h makes, with its two companions."""
    lines = ["Benchmark:Paper_0"]
    lines += [f"Paper_{i}:{i % 4 + 1}:{60 + i % 141}:{COLOURS[i % 4]}:{TYPES[(i // 4) % 4]}"
              f":{i % 3}:{i % 2}" for i in range(papers)]
    (folder / f"{name}.cat").write_text("\n".join(lines) + "\n")
    (folder / f"{name}.DEF").write_text(SIZES)
    (folder / f"{name}.cat.atr").write_text(attributes)
    return str(folder / f"{name}.cat")


def damaged_attributes(megabytes):
    """An attribute file whose every value is refused: one finding a line, line by line."""
    yield "[PaperColors]\n"
    size = 0
    n = 0
    while size < megabytes << 20:
        line = f"dark blue {n}\n"
        yield line
        size += len(line)
        n += 1
    yield "\n"


def write_shape(path, shape, megabytes):
    """A catalog file of a shape that once took many times its size to read, written a piece at a
    time: the measured peak is the largest of the whole process tree, this script's included."""
    size = megabytes << 20
    head = "Shape:A\nA:1:75:white:plain\n"
    tail = ":1:75:white:plain\n"
    with open(path, "w") as out:
        out.write(head)
        written = len(head)
        n = 0
        while written < size:
            if shape == "blank lines":
                piece = "\n" * min(1 << 20, size - written)
            elif shape == "first line too long":
                piece = "x" * min(1 << 20, size - written)
            else:
                name = f"N{n}"
                piece = name + "x" * (2047 - len(name) - len(tail) + 1) + tail
                n += 1
            out.write(piece)
            written += len(piece)
    return written / (1 << 20)


SHAPES = ["blank lines", "long lines (2047 bytes)", "first line too long"]


def run(command):
    """Wall time, CPU time (s) and peak resident memory (KiB) of one process."""
    with open(os.devnull, "wb") as null:
        start = time.perf_counter()
        process = subprocess.Popen(command, stdout=null, stderr=null)
        _, _, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def peak_memory(tool, folder):
    """Peak memory of check and show over the shapes, and of check over a damaged attribute file.
    A child's peak counts this script's own memory from before the child's exec, so these come
    first, while the script holds nothing large, and the files are written a piece at a time."""
    print(f"{'catalog file':<28}{'MB':>6}{'check MB':>10}{'x file':>8}{'show MB':>9}"
          f"{'x file':>8}")
    catalog = write_catalog(folder, "shape", 0)
    for shape in SHAPES:
        megabytes = write_shape(catalog, shape, 60)
        peaks = [run([tool, command, catalog])[2] / 1024 for command in ("check", "show")]
        print(f"{shape:<28}{megabytes:>6.0f}{peaks[0]:>10.0f}{peaks[0] / megabytes:>8.2f}"
              f"{peaks[1]:>9.0f}{peaks[1] / megabytes:>8.2f}")
    damaged = write_catalog(folder, "damaged", 1000)
    with open(damaged + ".atr", "w") as out:
        for line in damaged_attributes(20):
            out.write(line)
    megabytes = pathlib.Path(damaged + ".atr").stat().st_size / (1 << 20)
    _, _, peak = run([tool, "check", damaged])
    print(f"check, {megabytes:.0f} MB damaged attribute file: peak memory {peak / 1024:.0f} MB"
          f" (target: under 256 MB)")


# Ten edits of every kind but move --up/--down, each of which changes the catalogs below.
EDIT_SCRIPT = [
    {"edit": "modify", "name": "Paper_1", "weight": 90, "colour": "blue"},
    {"edit": "add", "name": "New_A4", "size": 2, "weight": 80, "colour": "white",
     "type": "plain"},
    {"edit": "rename", "name": "Paper_2", "newName": "Renamed_2"},
    {"edit": "move", "name": "Renamed_2", "to": 1},
    {"edit": "set-default", "name": "New_A4"},
    {"edit": "add-value", "kind": "colour", "value": "green"},
    {"edit": "add-value", "kind": "weight", "value": 95},
    {"edit": "add-value", "kind": "type", "value": "bond"},
    {"edit": "delete", "name": "Paper_7"},
    {"edit": "modify", "name": "Paper_9", "colour": "green", "sides": 1},
]


def fleet(folder, shared):
    """200 catalogs of 300 papers: each in a folder of its own, as each print server keeps its
    catalog, or all in one folder."""
    catalogs = []
    for n in range(200):
        place = folder if shared else folder / f"server{n}"
        place.mkdir(parents=True, exist_ok=True)
        catalogs.append(write_catalog(place, "office" if not shared else f"office{n}", 300))
    return catalogs


def edits(tool, folder, papers, runs):
    """apply to a fleet of catalogs, and an edit command against convert on one large catalog."""
    script = folder / "edits.json"
    script.write_text(json.dumps(EDIT_SCRIPT))
    print("apply of 10 edits to 200 catalogs of 300 papers, whole process, medians "
          "(target: 2 s)")
    for layout, shared in (("a folder each", False), ("one folder", True)):
        applied, again = [], []
        for _ in range(max(3, runs // 3)):
            catalogs = fleet(folder / ("shared" if shared else "servers"), shared)
            applied.append(run([tool, "apply", str(script), *catalogs]))
            again.append(run([tool, "apply", str(script), *catalogs]))
        for name, samples in ((f"apply, {layout}", applied),
                              (f"again, {layout} (nothing to write)", again)):
            wall = statistics.median(t[0] for t in samples) * 1000
            cpu = statistics.median(t[1] for t in samples) * 1000
            print(f"  {name:<40}{wall:>9.0f} ms wall{cpu:>9.0f} ms cpu")
    catalog = write_catalog(folder, "large", papers)
    converted = str(folder / "converted.cat")
    commands = {
        "convert": lambda n: [tool, "convert", catalog, "--out", converted, "--force"],
        "modify (an edit command)": lambda n: [tool, "modify", f"Paper_{papers // 2}",
                                               "--weight", str(90 + n % 2), catalog],
    }
    times = {name: [] for name in commands}
    for n in range(runs):
        for name, command in commands.items():
            times[name].append(run(command(n)))
    base = statistics.median(t[0] for t in times["convert"])
    print(f"an edit command on {papers:,} papers against convert of it, medians "
          f"(target: at most 3 x convert)")
    for name, samples in times.items():
        wall = statistics.median(t[0] for t in samples)
        cpu = statistics.median(t[1] for t in samples)
        print(f"  {name:<40}{wall * 1000:>9.0f} ms wall{cpu * 1000:>9.0f} ms cpu"
              f"{wall / base:>8.2f} x convert")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--papers", type=int, default=100_000)
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as temp:
        folder = pathlib.Path(temp)
        peak_memory(args.tool, folder)
        catalog = write_catalog(folder, "bench", args.papers)
        commands = {
            "awk, split and print": AWK_PRINT + [catalog],
            "awk, split only": AWK_SPLIT + [catalog],
            "export (csv)": [args.tool, "export", catalog],
            "export --json": [args.tool, "export", catalog, "--json"],
            "show --json": [args.tool, "show", catalog, "--json"],
        }
        times = {name: [] for name in commands}
        for _ in range(args.runs):
            for name, command in commands.items():
                times[name].append(run(command))
        printing = statistics.median(t[1] for t in times["awk, split and print"])
        splitting = statistics.median(t[1] for t in times["awk, split only"])
        print(f"{args.papers:,} papers, {args.runs} runs each, medians; CPU time as a multiple "
              f"of awk's; target: within 3 x awk")
        print(f"{'command':<22}{'wall ms':>9}{'cpu ms':>9}{'x print':>9}{'x split':>9}")
        for name, samples in times.items():
            wall = statistics.median(t[0] for t in samples) * 1000
            cpu = statistics.median(t[1] for t in samples)
            print(f"{name:<22}{wall:>9.1f}{cpu * 1000:>9.1f}{cpu / printing:>9.2f}"
                  f"{cpu / splitting:>9.2f}")
        edits(args.tool, folder, args.papers, args.runs)


if __name__ == "__main__":
    main()
