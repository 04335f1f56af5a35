"""What a call through the Python package costs beyond the same work in C++:
RBF4 refining a 100-point star 10 levels (102,400 points) on one thread, and
the small `mask` request. The fastest of several runs on each side, since
this machine's noise (a shared virtual machine) only ever adds time. Runs the C++ counterparts in curvix_benchmarks
(BM_lab_refine_star_rbf4, BM_lab_mask_json) and times the Python calls; the
star is computed alike in both (libm's cos and sin, rounded half up).

    PYTHONPATH=build/python /usr/bin/python3 benchmarks/python_benchmark.py \\
        build/benchmarks/curvix_benchmarks
"""

import json
import math
import subprocess
import sys
import time

import curvix

REPEATS = 15


def star_polygon():
    points = []
    for i in range(100):
        angle = 2.0 * 3.141592653589793 * i / 100
        radius = 250.0 if i % 2 == 0 else 120.0
        points.append([math.floor(400.0 + radius * math.cos(angle) + 0.5),
                       math.floor(300.0 + radius * math.sin(angle) + 0.5)])
    return points


def fastest_seconds(call, repeats, inner=1):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        for _ in range(inner):
            call()
        times.append((time.perf_counter() - start) / inner)
    return min(times)


def cpp_seconds(binary, name):
    done = subprocess.run([binary, f"--benchmark_filter=^{name}", "--benchmark_repetitions=5",
                           "--benchmark_format=json"], capture_output=True, text=True, check=True)
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    return min(row["real_time"] * scale[row["time_unit"]]
               for row in json.loads(done.stdout)["benchmarks"] if row["run_type"] == "iteration")


def main():
    binary = sys.argv[1]
    star = star_polygon()
    refine = lambda: curvix.refine(star, "rbf4", levels=10, stationary=True, threads=1)
    assert len(refine().points) == 102400
    mask = lambda: curvix.mask("rbf4")
    rows = [("refine: RBF4, 100 points to 102,400, one thread", refine, REPEATS, 1,
             "BM_lab_refine_star_rbf4"),
            ("mask --scheme rbf4 (json document)", mask, REPEATS, 2000, "BM_lab_mask_json")]
    print("| Request | C++ | Python | Overhead |")
    print("|---|---|---|---|")
    for title, call, repeats, inner, name in rows:
        cpp = cpp_seconds(binary, name)
        python = fastest_seconds(call, repeats, inner)
        overhead = python - cpp
        unit, scale = ("ms", 1e3) if cpp > 1e-3 else ("µs", 1e6)
        print(f"| {title} | {cpp * scale:.2f} {unit} | {python * scale:.2f} {unit} | "
              f"{overhead * 1e6:.1f} µs ({100 * overhead / cpp:.1f} %) |")


if __name__ == "__main__":
    main()
