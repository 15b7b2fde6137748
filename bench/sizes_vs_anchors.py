#!/usr/bin/python3
"""Big mazes against their anchors, in turn, so that the machine's moods touch both alike.

sizes_vs_anchors.py BUILD [PAIRS]

1. Generation and search of a 1001 x 1001 maze (BM_BuildAndSolve/1001 of tolvane_bench_logic)
   against generate-maze 1.1.0 making one under Node (generate_maze_anchor.js; NODE_PATH must
   reach the package, installed outside the project).
2. `Tolvane --export poster.pdf --size 1001x1001 --solution`, whole process, against
   `pdf_cairo.py poster.pdf 1 --size 1001`, with the peak resident memory of each.
Prints the medians and the median of the per-pair ratios.
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
here = os.path.dirname(os.path.abspath(__file__))
cairo = os.path.join(here, "..", "..", "shared", "bench", "pdf_cairo.py")


def bench_ms():
    out = subprocess.run([os.path.join(build, "bench", "tolvane_bench_logic"), "--benchmark_filter=BM_BuildAndSolve/1001$",
                          "--benchmark_format=json", "--benchmark_min_time=0.01"], capture_output=True, text=True,
                         check=True).stdout
    return json.loads(out)["benchmarks"][0]["real_time"]


def node_ms():
    out = subprocess.run(["node", os.path.join(here, "generate_maze_anchor.js"), "1001"], capture_output=True,
                         text=True, check=True).stdout
    return float(out.strip())


def process(*command):
    """Seconds and peak resident KiB of one whole run."""
    start = time.perf_counter()
    done = subprocess.run(["/usr/bin/time", "-f", "%M", *command], capture_output=True, text=True, check=True)
    return time.perf_counter() - start, int(done.stderr.strip().splitlines()[-1])


def report(name, ours, theirs):
    r = statistics.median(a / b for a, b in zip(ours, theirs))
    print(f"{name}: Tolvane median {statistics.median(ours):.0f} ms, anchor median {statistics.median(theirs):.0f} ms, "
          f"median ratio {r:.3f}")


generation = [(bench_ms(), node_ms()) for _ in range(pairs)]
report("1001x1001 generation and search vs generate-maze", [a for a, _ in generation], [b for _, b in generation])

with tempfile.TemporaryDirectory() as work:
    ours = [os.path.join(build, "src", "Tolvane"), "--export", os.path.join(work, "poster.pdf"), "--size",
            "1001x1001", "--solution"]
    theirs = ["/usr/bin/python3", cairo, os.path.join(work, "cairo.pdf"), "1", "--size", "1001"]
    runs = [(process(*ours), process(*theirs)) for _ in range(pairs)]
report("1001x1001 poster with its solution vs Python + cairo", [a[0] * 1000 for a, _ in runs],
       [b[0] * 1000 for _, b in runs])
print(f"peak resident memory: Tolvane median {statistics.median(a[1] for a, _ in runs) / 1024:.1f} MiB, "
      f"anchor median {statistics.median(b[1] for _, b in runs) / 1024:.1f} MiB")
