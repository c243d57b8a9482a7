#!/usr/bin/python3
"""Runs the benchmarks of a Release build and prints its figures and ratios:
one table of each figure beside its baseline, then where the start-up's wall
time goes.

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
# The program's controls as stock widgets and nothing else: what Qt charges for them.
STOCK = ("startup_stock", "stock-widget window")

# (name, baseline, target ratio or None) as bench_core names them.
PAIRS = [
    ("BuildEpromImage2mb", "PlainCopy262144", 2.0),
    ("InspectCartridgeFile16464", "ReadAll16464", 1.5),
    ("WriteSetFile16", "SplitSetFileText16", None),
    ("ReadSetFile16", "SplitSetFileText16", None),
    ("LoadCrtSet16", "ReadAllSetFiles16", None),
]

# Whole-process measures of a start-up run: (label, key, unit, target against
# the label-and-button window).
STARTUP_MEASURES = [
    ("start-up, whole process, wall", "wall", "ms", 1.15),
    ("start-up, whole process, CPU", "cpu", "ms", 1.15),
    ("peak resident memory, whole process", "memory", "MiB", 1.05),
]

# The steps of a start-up run, each ending at the mark it is keyed by.
PHASES = [
    ("exec to main (loading the libraries, static set-up)", "main"),
    ("QApplication", "application"),
    ("window made", "window"),
    ("shown and first paint done", "painted"),
    ("after the first paint to exit", "wall"),
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
    """One whole process, from exec to exit after its first paint: wall time and
    the marks it reports (ms since the launch), CPU time (ms) and peak resident
    memory (MiB)."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    launched = time.monotonic_ns()
    env["PLAKMUND_BENCH_LAUNCH_NS"] = str(launched)
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=env)
    line = child.stdout.readline().split()
    child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    ended = time.monotonic_ns()
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0 or len(line) != 6 or line[0] != "shown":
        sys.exit(f"{program} did not report its window")
    main, application, window, painted = (float(mark) for mark in line[2:])
    return {"wall": (ended - launched) / 1e6, "cpu": (usage.ru_utime + usage.ru_stime) * 1000,
            "memory": usage.ru_maxrss / 1024, "main": main, "application": application, "window": window,
            "painted": painted}


def startup(build):
    """Medians of each start-up program's runs, the programs taking turns in
    alternating order so that a change in the machine's load reaches them alike."""
    programs = [PROGRAM[0], LABEL_BUTTON[0], BARE[0], STOCK[0]]
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


def print_table(header, rows, markdown):
    lines = [header] + rows
    if markdown:
        print("| " + " | ".join(header) + " |")
        print("|" + "---|" * len(header))
        for line in rows:
            print("| " + " | ".join(line) + " |")
    else:
        widths = [max(len(line[i]) for line in lines) for i in range(len(header))]
        for line in lines:
            print("  ".join(cell.ljust(width) for cell, width in zip(line, widths)).rstrip())


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
    program, label_button = figures[PROGRAM[0]], figures[LABEL_BUTTON[0]]
    for (baseline, description), targeted in ((LABEL_BUTTON, True), (BARE, False), (STOCK, False)):
        for measure, key, unit, target in STARTUP_MEASURES:
            rows.append((measure, f"{program[key]:.1f} {unit}", description, f"{figures[baseline][key]:.1f} {unit}",
                         program[key] / figures[baseline][key], target if targeted else None))
    stock = figures[STOCK[0]]
    for measure, key, unit, _ in STARTUP_MEASURES:
        rows.append((f"{measure}, of the {STOCK[1]}", f"{stock[key]:.1f} {unit}", LABEL_BUTTON[1],
                     f"{label_button[key]:.1f} {unit}", stock[key] / label_button[key], None))
    rows.append(("start-up to first paint", f"{program['painted']:.1f} ms", LABEL_BUTTON[1],
                 f"{label_button['painted']:.1f} ms", program["painted"] / label_button["painted"], None))

    print_table(("measure", "figure", "baseline", "baseline figure", "ratio", "target"),
                [(m, f, b, bf, f"{r:.2f}", f"≤ {t}" if t else "-") for m, f, b, bf, r, t in rows], markdown)
    missed = [f"{row[0]} against the {row[2]}" for row in rows if row[5] and row[4] > row[5]]
    if missed:
        print("\nOutside target: " + "; ".join(missed) + ".")
    print(f"\nStart-up: medians of {STARTUP_RUNS} alternating runs of each program on Qt's offscreen platform; "
          f"load average {load_before} before, {load_after} after, on {os.cpu_count()} cores.\n")

    phases = []
    previous = {PROGRAM[0]: 0.0, LABEL_BUTTON[0]: 0.0}
    for label, key in PHASES:
        steps = {name: figures[name][key] - previous[name] for name in previous}
        previous = {name: figures[name][key] for name in previous}
        phases.append((label, f"{steps[PROGRAM[0]]:.2f}", f"{steps[LABEL_BUTTON[0]]:.2f}",
                       f"{steps[PROGRAM[0]] - steps[LABEL_BUTTON[0]]:+.2f}"))
    print_table(("start-up step (median ms)", PROGRAM[1], LABEL_BUTTON[1], "difference"), phases, markdown)


if __name__ == "__main__":
    main()
