#!/usr/bin/env python3
"""The A-and-i mode of bracing-check, in plain Python with the csv module.

A yardstick, not a second program: it reads the bays that
bench/check_throughput.sh generates (clean rows, H, B, n, T, W, A, i) and
writes the same bytes bracing-check writes for them, so that the two can be
timed on equal work (bench/compare_python.sh).
Usage: bench/bracing_check.py INPUT.csv > OUTPUT.csv
"""
import csv
import math
import sys

INPUTS = ["H", "B", "n", "T", "W", "A", "i"]
# The dialog's fifteen results and their decimals, in the order written.
RESULTS = [("N1", 3), ("Nt1", 3), ("Lx1", 3), ("Rx1", 2), ("Ly1", 3), ("Ry1", 2),
           ("f1", 2), ("N2", 3), ("Nt2", 3), ("Lx2", 3), ("Rx2", 2), ("Ly2", 3),
           ("Ry2", 2), ("u", 4), ("f2", 2)]
REJECTED = "参数不能为负数和零"
# Class-b stability curve, GB 50017-2017 Table D.0.5.
ALPHA1, ALPHA2, ALPHA3 = 0.65, 0.965, 0.300


def stability(k1):
    # GB 50017-2017 D.0.5; the grouping is the program's, digit for digit.
    if k1 <= 0.215:
        return 1.0 - (ALPHA1 * k1) * k1
    q = (ALPHA3 * k1 + ALPHA2) + k1 * k1
    d = math.sqrt(q * q - (4.0 * k1) * k1)
    return (0.5 * (q - d)) / (k1 * k1)


def compute(H, B, n, T, W, A, i):
    if H <= 0 or B <= 0 or n <= 0:
        return None
    L = math.sqrt(B * B + H * H)
    Lx2 = 0.5 * L
    Lx1 = Lx2
    Ly1 = L
    Ly2 = 0.7 * L
    P = (W + T) / n
    N1 = (L * P) / B
    N2 = N1 / 2.0
    Nt1 = (H * N1) / L
    Nt2 = (H * N2) / L
    # No usable section: zero stresses, as the program shows.
    u = stability(((100.0 * Ly2) / i) / 93.014) if i > 0 else 0.0
    f1 = (1000.0 * N1) / (100.0 * A) if A > 0 else 0.0
    f2 = (1000.0 * N2) / ((100.0 * u) * A) if A > 0 and i > 0 else 0.0
    return [N1, Nt1, Lx1, Lx1 / 4.0, Ly1, Ly1 / 4.0, f1, N2, Nt2, Lx2, Lx2 / 1.5, Ly2,
            Ly2 / 1.5, u, f2]


def main():
    with open(sys.argv[1], newline="", encoding="utf-8") as f:
        reader = csv.reader(f)
        out = csv.writer(sys.stdout, lineterminator="\n")
        header = next(reader)
        columns = [header.index(name) for name in INPUTS]
        out.writerow(header + [name for name, _ in RESULTS] + ["error"])
        formats = ["%%.%df" % decimals for _, decimals in RESULTS]
        for row in reader:
            results = compute(*(float(row[c]) for c in columns))
            if results is None:
                out.writerow(row + [""] * len(RESULTS) + [REJECTED])
            else:
                out.writerow(row + [f % v for f, v in zip(formats, results)] + [""])


if __name__ == "__main__":
    sys.stdout.reconfigure(encoding="utf-8", newline="\n")
    main()
