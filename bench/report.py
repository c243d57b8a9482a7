#!/usr/bin/python3
"""Runs the benchmarks of a Release build and prints one table of figures and ratios.

Usage: report.py BUILD_FOLDER [--markdown]
"""
import json
import os
import statistics
import subprocess
import sys
import time

STARTUP_RUNS = 31

# The start-up programs as bench/CMakeLists.txt names them, with what each is.
PROGRAM = ("startup_plakmund", "Plakmund")
LABEL_BUTTON = ("startup_label_button", "label-and-button window")
BARE = ("startup_bare", "bare window")

# (name, baseline, target ratio or None) as bench_core names them.
PAIRS = [
    ("BuildEpromImage2mb", "PlainCopy262144", 2.0),
    ("InspectCartridgeFile16464", "ReadAll16464", 1.5),
    ("WriteSetFile16", "SplitSetFileText16", None),
    ("ReadSetFile16", "SplitSetFileText16", None),
    ("LoadCrtSet16", "ReadAllSetFiles16", None),
]


def core_timings(build):
    """Mean CPU-independent real time per iteration in microseconds, by benchmark name."""
    output = subprocess.run(
        [os.path.join(build, "bench", "bench_core"), "--benchmark_format=json",
         "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    timings = {}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[entry["time_unit"]]
            timings[entry["run_name"]] = entry["real_time"] * scale
    return timings


def run_once(program):
    """One whole process, from exec to exit after its first paint: wall and
    first-paint times (ms), CPU time (ms) and peak resident memory (MiB)."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    started = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=env)
    line = child.stdout.readline().split()
    shown = time.perf_counter()
    child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    ended = time.perf_counter()
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0 or len(line) != 2 or line[0] != "shown":
        sys.exit(f"{program} did not report its window")
    return {"wall": (ended - started) * 1000, "paint": (shown - started) * 1000,
            "cpu": (usage.ru_utime + usage.ru_stime) * 1000, "memory": usage.ru_maxrss / 1024}


def startup(build):
    """Medians of each start-up program's runs, the programs taking turns in
    alternating order so that a change in the machine's load reaches them alike."""
    programs = [PROGRAM[0], LABEL_BUTTON[0], BARE[0]]
    paths = {name: os.path.join(build, "bench", name) for name in programs}
    for name in programs:  # warm the file cache
        run_once(paths[name])
    runs = {name: [] for name in programs}
    for turn in range(STARTUP_RUNS):
        for name in (programs if turn % 2 == 0 else reversed(programs)):
            runs[name].append(run_once(paths[name]))
    return {name: {key: statistics.median(run[key] for run in runs[name]) for key in runs[name][0]}
            for name in programs}


def load_average():
    with open("/proc/loadavg") as loadavg:
        return loadavg.read().split()[0]


def main():
    build = sys.argv[1]
    markdown = "--markdown" in sys.argv
    rows = []
    timings = core_timings(build)
    for name, baseline, target in PAIRS:
        rows.append((name, f"{timings[name]:.2f} µs", baseline, f"{timings[baseline]:.2f} µs",
                     timings[name] / timings[baseline], target))
    load_before = load_average()
    figures = startup(build)
    load_after = load_average()
    program = figures[PROGRAM[0]]
    measures = [("start-up, whole process, wall", "wall", "ms", 1.15),
                ("start-up, whole process, CPU", "cpu", "ms", 1.15),
                ("peak resident memory, whole process", "memory", "MiB", 1.05)]
    for (baseline, description), targeted in ((LABEL_BUTTON, True), (BARE, False)):
        for measure, key, unit, target in measures:
            rows.append((measure, f"{program[key]:.1f} {unit}", description, f"{figures[baseline][key]:.1f} {unit}",
                         program[key] / figures[baseline][key], target if targeted else None))
    rows.append(("start-up to first paint", f"{program['paint']:.1f} ms", LABEL_BUTTON[1],
                 f"{figures[LABEL_BUTTON[0]]['paint']:.1f} ms", program["paint"] / figures[LABEL_BUTTON[0]]["paint"], None))

    header = ("measure", "figure", "baseline", "baseline figure", "ratio", "target")
    lines = [header] + [(m, f, b, bf, f"{r:.2f}", f"≤ {t}" if t else "-") for m, f, b, bf, r, t in rows]
    if markdown:
        print("| " + " | ".join(header) + " |")
        print("|" + "---|" * len(header))
        for line in lines[1:]:
            print("| " + " | ".join(line) + " |")
    else:
        widths = [max(len(line[i]) for line in lines) for i in range(len(header))]
        for line in lines:
            print("  ".join(cell.ljust(width) for cell, width in zip(line, widths)))
    print(f"\nStart-up: medians of {STARTUP_RUNS} alternating runs of each program; "
          f"load average {load_before} before, {load_after} after, on {os.cpu_count()} cores.")
    missed = [f"{row[0]} against the {row[2]}" for row in rows if row[5] and row[4] > row[5]]
    if missed:
        print("\nOutside target: " + ", ".join(missed))


if __name__ == "__main__":
    main()
