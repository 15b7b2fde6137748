#!/usr/bin/python3
"""Whole-process time of `Tolvane --export x.pdf --count 100 --solution` (200 pages) against the
anchor, a plain Python + cairo script that generates, solves and draws the same 200 pages.

export_vs_cairo.py PROGRAM [PAIRS] [ANCHOR]

The two run in turn, one of each per pair, so that the machine's moods touch both alike; prints
both medians and the median of the per-pair ratios.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

program = sys.argv[1]
pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
anchor = sys.argv[3] if len(sys.argv) > 3 else os.path.join(os.path.dirname(__file__), "..", "..", "shared", "bench",
                                                             "pdf_cairo.py")


def seconds(*command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    return time.perf_counter() - start


with tempfile.TemporaryDirectory() as work:
    ours = [program, "--export", os.path.join(work, "tolvane.pdf"), "--count", "100", "--solution"]
    theirs = ["/usr/bin/python3", anchor, os.path.join(work, "cairo.pdf"), "100"]
    seconds(*ours), seconds(*theirs)  # warm the caches for both
    times = [(seconds(*ours), seconds(*theirs)) for _ in range(pairs)]
    info = subprocess.run(["pdfinfo", ours[2]], capture_output=True, text=True).stdout
    pages = next(line.split()[-1] for line in info.splitlines() if line.startswith("Pages:"))

t = statistics.median(a for a, _ in times)
c = statistics.median(b for _, b in times)
r = statistics.median(a / b for a, b in times)
print(f"export of {pages} pages, {pairs} pairs: Tolvane median {t * 1000:.0f} ms, "
      f"Python + cairo median {c * 1000:.0f} ms, median ratio {r:.2f}")
