#!/usr/bin/env python3
"""Runs the benchmarks and prints each budgeted figure beside its anchor, measured in the same run, with the ratio.

Usage: report.py BENCH_PROGRAM [REPETITIONS]
"""
import json
import os
import subprocess
import sys

# (what, benchmark, anchor benchmark or None, anchor in ms when there is no anchor benchmark, budget as a ratio);
# a row with neither anchor is a figure with no goal set, reported as it stands.
ROWS = [
    ("Return to item stored, 10,000 items", "BM_ReturnToItemStored10000Items", None, 16.0, 1.0),
    ("Save of 10,000 items against its floor", "StoreSave10k", "FloorXmlWriteFsync10k", None, 1.2),
    ("Category switch or edit mode, 10,000 items", "BM_PanelReload10000Items", None, 16.0, 1.0),
    ("Panel made and first shown, 10,000 items", "BM_PanelMadeAndFirstShown10000Items", None, 50.0, 1.0),
    # Beside the least a command storing durably takes on this disk: a budget below it is the disk's, not ours.
    ("`redizado add` to a running copy, empty", "CommandLineAddToRunningCopy/0", "CommandLineDurableFloor", 10.0, None),
    ("`redizado add`, no copy running, empty", "CommandLineAddNoCopy", "CommandLineDurableFloor", 10.0, None),
    ("`redizado add` to a running copy, 10,000", "CommandLineAddToRunningCopy/10000", "CommandLineDurableFloor", 25.0,
     None),
    # Our CPU time: the server runs in a process of its own.
    ("Sync CPU, nothing changed, 10,000 tasks", "SyncNothingChanged10000Tasks", "SyncOneRequestFloor", 20.0, None),
    ("Sync CPU, one task changed, 10,000 tasks", "SyncOneChanged10000Tasks", "SyncOneRequestFloor", 50.0, None),
    ("Sync CPU, first into an empty list, 10,000", "SyncFirst10000Tasks", "SyncOneRequestFloor", 1500.0, None),
    ("Sync CPU, first with the state gone, 10,000", "SyncAnew10000Tasks", "SyncOneRequestFloor", 1500.0, None),
]


def medians(program, repetitions):
    names = {row[1] for row in ROWS} | {row[2] for row in ROWS if row[2]}
    pattern = "^(" + "|".join(n.split("/")[0] for n in sorted(names)) + ")(/|$)"
    out = subprocess.run(
        [program, "--benchmark_filter=" + pattern, "--benchmark_repetitions=%d" % repetitions,
         "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
        check=True, stdout=subprocess.PIPE).stdout
    figures = {}
    for run in json.loads(out)["benchmarks"]:
        if run.get("aggregate_name") != "median":
            continue
        name = run["run_name"].removesuffix("/real_time")
        # Wall time is what a user waits for; the panel benchmarks count it themselves.
        ms = run.get("wall_ms") or run.get("cpu_ms") or run["real_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
        figures[name] = ms
    return figures


def main():
    program = sys.argv[1]
    repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    load = os.getloadavg()
    figures = medians(program, repetitions)
    print("load average before the run: %.2f %.2f %.2f" % load)
    print("%-44s %10s %-30s %7s  %s" % ("10,000 items unless said", "median", "anchor (same run)", "ratio", "goal"))
    for what, name, anchor, anchor_ms, budget in ROWS:
        if name not in figures:
            print("%-44s %10s" % (what, "not run"))
            continue
        ms = figures[name]
        if not anchor and anchor_ms is None:
            print("%-44s %7.1f ms %-30s %7s  %s" % (what, ms, "", "", "no goal set"))
            continue
        if anchor and budget:
            base = figures.get(anchor)
            goal = "<= %.1fx the anchor" % budget
            label = "%s %.1f ms" % (anchor, base)
            ratio = ms / base
            met = ratio <= budget
        elif anchor:
            # A command's floor is starting `true`; its goal is a time of its own.
            base = figures.get(anchor)
            label = {"CommandLineTrue": "`true` %.1f ms", "CommandLineDurableFloor": "`true` + 1 KB synced %.1f ms"}.get(
                anchor, anchor + " %.1f ms") % base
            goal = "<= %.0f ms" % anchor_ms
            ratio = ms / base
            met = ms <= anchor_ms
            if not met and base > anchor_ms:
                goal += " (below its floor on this disk)"
        else:
            label = "%.0f ms" % anchor_ms
            goal = "<= %.0f ms" % (anchor_ms * budget)
            ratio = ms / anchor_ms
            met = ms <= anchor_ms * budget
        verdict = "met" if met else "NOT MET"
        if met and load[0] >= 1:
            verdict = "not counted, load %.2f >= 1" % load[0]
        print("%-44s %7.1f ms %-30s %6.2fx  %s: %s" % (what, ms, label, ratio, goal, verdict))


if __name__ == "__main__":
    main()
