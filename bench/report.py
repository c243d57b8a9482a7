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

STARTUP_RUNS = 20

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


def startup(program):
    """Median time to the first paint (ms) and median peak resident memory (MiB) over the runs."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    times, peaks = [], []
    for _ in range(STARTUP_RUNS):
        started = time.perf_counter()
        child = subprocess.Popen([program], stdout=subprocess.PIPE, text=True, env=env)
        line = child.stdout.readline().split()
        times.append((time.perf_counter() - started) * 1000)
        child.wait(timeout=30)
        if child.returncode != 0 or len(line) != 2 or line[0] != "shown":
            sys.exit(f"{program} did not report its window")
        peaks.append(int(line[1]) / 1024)
    return statistics.median(times), statistics.median(peaks)


def main():
    build = sys.argv[1]
    markdown = "--markdown" in sys.argv
    rows = []
    timings = core_timings(build)
    for name, baseline, target in PAIRS:
        rows.append((name, f"{timings[name]:.2f} µs", baseline, f"{timings[baseline]:.2f} µs",
                     timings[name] / timings[baseline], target))
    program_time, program_peak = startup(os.path.join(build, "bench", "startup_plakmund"))
    bare_time, bare_peak = startup(os.path.join(build, "bench", "startup_bare"))
    rows.append(("start-up to first paint", f"{program_time:.1f} ms", "bare Qt window", f"{bare_time:.1f} ms",
                 program_time / bare_time, 1.3))
    rows.append(("peak memory (VmHWM)", f"{program_peak:.1f} MiB", "bare Qt window", f"{bare_peak:.1f} MiB",
                 program_peak / bare_peak, 1.3))

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
    missed = [row[0] for row in rows if row[5] and row[4] > row[5]]
    if missed:
        print("\nOutside target: " + ", ".join(missed))


if __name__ == "__main__":
    main()
