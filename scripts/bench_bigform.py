#!/usr/bin/env python3
"""Runs the big-form benchmark side by side and prints its table: the
library's form of N transparent check boxes (bench/bigform/make_big_form.py,
read and shown by orvo_bigform) against the same boxes in plain Qt with a
style sheet (qss_bigform), one process of each in turn.

  bench_bigform.py BUILD_BIN OUT_DIR [--counts 0 1000 5000 10000]
                   [--backgrounds gradient tile] [--runs 3] [--reps 5]

Whole process: the time from starting the process to its first painted frame
(measured from here on the monotonic clock the child stamps its frame with)
and its peak resident memory. In process: the load (reading the form, or
building the boxes), the first frame, one full repaint and one repaint of a
hovered box. Each cell is the median over the runs; a ratio is the library's
median over the peer's. Per control: (value at N - value at 0) / N.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
MAKE_FORM = os.path.join(HERE, "..", "bench", "bigform", "make_big_form.py")
TILE = os.path.join(HERE, "..", "demo", "pictures", "wood_tile.bmp")


def parse(text):
    values = {}
    for line in text.splitlines():
        parts = line.split()
        if len(parts) == 2:
            values[parts[0]] = float(parts[1])
    return values


def run(cmd):
    """Runs one child; its report with `start_ns`, when it was started."""
    start = time.monotonic_ns()
    done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    if done.returncode != 0:
        sys.exit("%s failed (exit %d): %s" % (" ".join(cmd), done.returncode, done.stderr.strip()))
    values = parse(done.stdout)
    values["start_ns"] = start
    return values


def median(values):
    return statistics.median(values) if values else None


def ratio(a, b):
    return "%.2fx" % (a / b) if a is not None and b else "-"


def fmt_s(ns):
    return "-" if ns is None else ("%.3f s" % (ns / 1e9) if ns >= 1e8 else "%.1f ms" % (ns / 1e6))


def fmt_ms(ns):
    return "-" if ns is None else ("%.2f ms" % (ns / 1e6) if ns >= 1e5 else "%.1f us" % (ns / 1e3))


def fmt_mb(kb):
    return "-" if kb is None else "%.1f MB" % (kb / 1024)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("bin")
    ap.add_argument("out")
    ap.add_argument("--counts", type=int, nargs="+", default=[0, 1000, 5000, 10000])
    ap.add_argument("--backgrounds", nargs="+", default=["gradient", "tile"], choices=["gradient", "tile"])
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--reps", type=int, default=5)
    a = ap.parse_args()
    os.makedirs(a.out, exist_ok=True)
    orvo = os.path.join(a.bin, "orvo_bigform")
    qss = os.path.join(a.bin, "qss_bigform")

    cases = [(n, bg) for bg in a.backgrounds for n in a.counts]
    forms = {}
    for n, bg in cases:
        path = os.path.join(a.out, "big_%d_%s.form" % (n, bg))
        with open(path, "w") as f:
            subprocess.run([sys.executable, MAKE_FORM, str(n), bg, "--tile", TILE], stdout=f, check=True)
        forms[(n, bg)] = path

    # cell[(n, bg, side, measure)] -> samples
    cells = {}

    def add(key, value):
        cells.setdefault(key, []).append(value)

    loads = []
    for r in range(a.runs):
        loads.append(open("/proc/loadavg").read().split()[0])
        print("run %d/%d (load %s)" % (r + 1, a.runs, " ".join(open("/proc/loadavg").read().split()[:3])),
              file=sys.stderr)
        for n, bg in cases:
            commands = {
                "orvo": lambda mode, extra=(): [orvo, mode, forms[(n, bg)], *extra],
                "qss": lambda mode, extra=(): [qss, mode, str(n), bg, TILE, *extra],
            }
            for side, make in commands.items():
                cold = run(make("cold"))
                add((n, bg, side, "start"), cold["frame"] - cold["start_ns"])
                add((n, bg, side, "hwm"), cold["hwm_kb"])
                warm = run(make("inproc", (str(a.reps),)))
                for measure in ("load_ns", "frame_ns", "full_ns", "hover_ns"):
                    add((n, bg, side, measure), warm[measure])

    def m(n, bg, side, measure):
        return median(cells.get((n, bg, side, measure), []))

    lines = []
    lines.append("## Big form: N transparent check boxes, library vs plain Qt with a style sheet")
    lines.append("")
    lines.append("Whole process (start to first painted frame, peak RSS); medians of %d interleaved runs." % a.runs)
    lines.append("")
    lines.append("| background | N | library: time, peak RSS | style sheet: time, peak RSS | ratios: time, memory |")
    lines.append("|---|---|---|---|---|")
    for n, bg in cases:
        lt, lm = m(n, bg, "orvo", "start"), m(n, bg, "orvo", "hwm")
        qt, qm = m(n, bg, "qss", "start"), m(n, bg, "qss", "hwm")
        lines.append("| %s | %s | %s, %s | %s, %s | %s, %s |" % (bg, format(n, ","), fmt_s(lt), fmt_mb(lm), fmt_s(qt),
                                                                 fmt_mb(qm), ratio(lt, qt), ratio(lm, qm)))
    lines.append("")
    lines.append("Per control, (value at N - value at 0) / N, and its growth from the smallest to the largest N:")
    lines.append("")
    lines.append("| background | N | library: time, memory | style sheet: time, memory |")
    lines.append("|---|---|---|---|")
    for bg in a.backgrounds:
        if 0 not in a.counts:
            break
        per = {}
        for n in a.counts:
            if n == 0:
                continue
            row = []
            for side in ("orvo", "qss"):
                t = (m(n, bg, side, "start") - m(0, bg, side, "start")) / n
                k = (m(n, bg, side, "hwm") - m(0, bg, side, "hwm")) / n
                per[(n, side)] = (t, k)
                row.append("%.1f us, %.1f KB" % (t / 1e3, k))
            lines.append("| %s | %s | %s | %s |" % (bg, format(n, ","), row[0], row[1]))
        counts = [n for n in a.counts if n]
        if len(counts) > 1:
            lo, hi = counts[0], counts[-1]
            growth = []
            for side in ("orvo", "qss"):
                (t0, k0), (t1, k1) = per[(lo, side)], per[(hi, side)]
                growth.append("time %+.0f %%, memory %+.0f %%" % (100 * (t1 / t0 - 1), 100 * (k1 / k0 - 1)))
            lines.append("| %s | %s -> %s | %s | %s |" % (bg, format(lo, ","), format(hi, ","), growth[0], growth[1]))
    lines.append("")
    lines.append("In process (medians; repaints are medians of %d calls, hovered of %d):" % (a.reps, 20 * a.reps))
    lines.append("")
    lines.append("| background | N | measure | library | style sheet | ratio |")
    lines.append("|---|---|---|---|---|---|")
    names = {"load_ns": "load", "frame_ns": "first frame", "full_ns": "full repaint", "hover_ns": "hovered repaint"}
    for n, bg in cases:
        if n == 0:
            continue
        for measure, label in names.items():
            lv, qv = m(n, bg, "orvo", measure), m(n, bg, "qss", measure)
            lines.append("| %s | %s | %s | %s | %s | %s |" % (bg, format(n, ","), label, fmt_ms(lv), fmt_ms(qv),
                                                            ratio(lv, qv)))
    lines.append("")
    lines.append("Load (1-minute) at the start of each run: %s" % " ".join(loads))
    text = "\n".join(lines) + "\n"
    with open(os.path.join(a.out, "table.md"), "w") as f:
        f.write(text)
    sys.stdout.write(text)


if __name__ == "__main__":
    main()
