#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""Start-up and memory of brasti_probe.exe against brasti_bare.exe under Wine,
on Qt's windows platform. Start-up is the time from starting the process to
the first frame of the start screen (the line "painted"); memory is the
working set once that frame is out. Runs alternate, so a slow spell of the
machine hits both alike.

    bench.py FOLDER_WITH_THE_TWO_PROGRAMS [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def first_line(argv, limit=120):
    started = time.monotonic()
    child = subprocess.Popen(["wine", *argv], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        for line in child.stdout:
            line = line.strip()
            if line:
                return line, (time.monotonic() - started) * 1000
            if time.monotonic() - started > limit:
                break
        raise RuntimeError(f"{argv[0]} said nothing")
    finally:
        # The first line is all that is measured; the memory rounds that follow are not waited for.
        if child.poll() is None:
            child.kill()
        child.wait(limit)


def summary(values):
    return f"{statistics.median(values):8.1f} [{min(values):.1f}..{max(values):.1f}]"


def main():
    folder = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    probe = os.path.join(folder, "brasti_probe.exe")
    bare = os.path.join(folder, "brasti_bare.exe")
    for exe in (probe, bare):  # once each unmeasured: the page cache and Wine's own start
        first_line([exe])
    start = {"brasti": [], "bare": []}
    for i in range(runs):
        order = [("brasti", probe), ("bare", bare)] if i % 2 == 0 else [("bare", bare), ("brasti", probe)]
        for who, exe in order:
            line, ms = first_line([exe])
            if line != "painted":
                raise RuntimeError(f"{exe} said '{line}', not 'painted'")
            start[who].append(ms)
    memory = {"brasti": [], "bare": []}
    for _ in range(5):
        for who, argv in (("brasti", [probe, "--memory", "10"]), ("bare", [bare, "--memory"])):
            line, _ = first_line(argv)
            fields = line.split()
            if fields[0] != "mem":
                raise RuntimeError(f"{argv[0]} said '{line}'")
            memory[who].append(int(fields[2]) / 1024)
    ratio_start = statistics.median(start["brasti"]) / statistics.median(start["bare"])
    ratio_memory = statistics.median(memory["brasti"]) / statistics.median(memory["bare"])
    print(f"\nBrasti under Wine (Qt's windows platform on Xvfb), {runs} start-ups each, alternating")
    print("                                   median [min..max]")
    print(f"start-up, Brasti start screen, ms  {summary(start['brasti'])}")
    print(f"start-up, bare Qt window, ms       {summary(start['bare'])}")
    print(f"start-up ratio                     {ratio_start:8.3f}   goal <= 1.05 {'met' if ratio_start <= 1.05 else 'MISSED'}")
    print(f"working set after first frame, MB  Brasti {summary(memory['brasti'])}, bare {summary(memory['bare'])}")
    print(f"memory ratio                       {ratio_memory:8.3f}   goal <= 1.05 {'met' if ratio_memory <= 1.05 else 'MISSED'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
