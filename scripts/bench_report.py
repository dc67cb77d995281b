#!/usr/bin/env python3
"""Prints the benchmark table from orvo_bench JSON runs and, when given, the
peer's (the same form in plain Qt with a style sheet) result files.

  bench_report.py --orvo run1.json run2.json ... [--peer peer1.txt peer2.txt ...] [--load "..."]

Each run's medians are taken; the table shows the median over the runs.
"""
import argparse
import json
import statistics
import sys


def orvo_medians(path):
    """name -> {'time_ns': median real time, counters...} of one JSON run."""
    with open(path) as f:
        data = json.load(f)
    runs = {}
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        if b.get("error_occurred"):
            continue
        name = b.get("run_name", b["name"])
        scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b.get("time_unit", "ns")]
        entry = {"time_ns": b["real_time"] * scale, "cpu_ns": b["cpu_time"] * scale}
        for k, v in b.items():
            if k in ("bytes_per_second", "items_per_second", "peak_kB", "pixels", "call_ns", "call_min_ns"):
                entry[k] = v
        if b.get("run_type") == "aggregate" or name not in runs:
            runs[name] = entry
    return runs


def peer_medians(path):
    """name -> (median, pixels, min) of one peer result file ("M name unit median min n pixels")."""
    out = {}
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 7 and parts[0] == "M":
                out[parts[1]] = (float(parts[3]), float(parts[6]), float(parts[4]))
    return out


def lookup(run, key):
    """The entry named `key`, or one whose name goes on with "/..." (Google
    Benchmark appends fixed iterations, repetitions and the timing kind)."""
    if key in run:
        return run[key]
    for name, entry in run.items():
        if name.startswith(key + "/") and "boxes:" not in name[len(key):]:
            return entry
    return None


def median_over(runs, key, field):
    entries = [lookup(r, key) for r in runs]
    values = [e[field] for e in entries if e is not None and field in e]
    return statistics.median(values) if values else None


def fmt_time(ns):
    if ns is None:
        return "-"
    if ns >= 1e6:
        return "%.2f ms" % (ns / 1e6)
    if ns >= 1e3:
        return "%.1f us" % (ns / 1e3)
    return "%.0f ns" % ns


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--orvo", nargs="+", required=True)
    ap.add_argument("--peer", nargs="*", default=[])
    ap.add_argument("--load", default="")
    a = ap.parse_args()
    orvo = [orvo_medians(p) for p in a.orvo]
    peer = [peer_medians(p) for p in a.peer]

    def o(name, field="time_ns"):
        return median_over(orvo, name, field)

    def q(name, pixels=False):
        values = [r[name][1 if pixels else 0] for r in peer if name in r]
        return statistics.median(values) if values else None

    def q_min(name):
        values = [r[name][2] for r in peer if name in r]
        return min(values) if values else None

    def o_min(name):
        values = [lookup(r, name).get("call_min_ns") for r in orvo if lookup(r, name)]
        values = [v for v in values if v is not None]
        return min(values) if values else None

    rows = []

    def ratio_row(label, ours, theirs, goal, fmt=fmt_time):
        if ours is None:
            rows.append((label, "-", fmt(theirs) if theirs else "-", "-", "<= %.1fx" % goal, "?"))
            return
        if theirs:
            r = ours / theirs
            rows.append((label, fmt(ours), fmt(theirs), "%.2fx" % r, "<= %.1fx" % goal, "met" if r <= goal else "NOT met"))
        else:
            rows.append((label, fmt(ours), "-", "-", "<= %.1fx" % goal, "?"))

    # Ours: the median of single calls, as the peer times its own.
    ratio_row("full repaint of the demo form into an image", o("BM_DemoFormFullRender", "call_ns"), q("render_full"), 0.7)
    full_cpu, peer_cpu = o("BM_DemoFormFullRender", "cpu_ns"), q("render_full_cpu")
    if full_cpu and peer_cpu:
        rows.append(("  the same in CPU time (all threads)", fmt_time(full_cpu), fmt_time(peer_cpu),
                     "%.2fx" % (full_cpu / peer_cpu), "", ""))
    fastest, peer_fastest = o_min("BM_DemoFormFullRender"), q_min("render_full")
    if fastest and peer_fastest:
        rows.append(("  the same, fastest call", fmt_time(fastest), fmt_time(peer_fastest),
                     "%.2fx" % (fastest / peer_fastest), "", ""))
    hov = o("BM_DemoHoveredCheckBox", "call_ns")
    hov_px = o("BM_DemoHoveredCheckBox", "pixels")
    ratio_row("repaint of the hovered check box", hov, q("render_region_checkbox"), 0.5)
    peer_hov, peer_px = q("render_region_checkbox"), q("render_region_checkbox", pixels=True)
    if hov and hov_px and peer_hov and peer_px:
        ours, theirs = hov / hov_px, peer_hov / peer_px
        rows.append(("  the same per pixel (ns/px)", "%.1f" % ours, "%.1f" % theirs, "%.2fx" % (ours / theirs),
                     "<= 0.5x", "met" if ours / theirs <= 0.5 else "NOT met"))
    fastest, peer_fastest = o_min("BM_DemoHoveredCheckBox"), q_min("render_region_checkbox")
    if fastest and peer_fastest:
        rows.append(("  the same, fastest call", fmt_time(fastest), fmt_time(peer_fastest),
                     "%.2fx" % (fastest / peer_fastest), "", ""))
    ratio_row("cold start: process start to first painted frame", o("BM_ColdStartToFirstFrame"),
              q("cold_show_frame"), 1.0)
    mem = o("BM_ColdStartToFirstFrame", "peak_kB")
    peer_mem = q("cold_show_hwm")
    ratio_row("peak memory at the first frame", mem, peer_mem, 1.0, fmt=lambda kb: "%.1f MB" % (kb / 1024))
    call = o("BM_BlendColorFrame/50", "call_ns")
    if call:
        gbs = 645 * 294 * 4 / call  # bytes per ns = GB/s
        rows.append(("BlendColor over a 645 x 294 frame", "%.2f GB/s" % gbs, "-", "-", ">= 4 GB/s",
                     "met" if gbs >= 4 else "NOT met"))
    for tiled, what in ((0, "gradient"), (1, "tile")):
        for n in (1, 10, 100):
            # CPU time: calls of several milliseconds are cut by the scheduler
            # on a loaded machine, and a difference of two wall-clock medians
            # is then mostly noise.
            t = o("BM_CheckBoxGrid/tiled:%d/boxes:%d/transparent:1" % (tiled, n), "cpu_ns")
            base = o("BM_CheckBoxGrid/tiled:%d/boxes:%d/transparent:0" % (tiled, n), "cpu_ns")
            if t is None or base is None:
                continue
            extra = (t - base) / n
            goal = "<= 5 us" if n == 100 else ""
            verdict = ("met" if extra <= 5000 else "NOT met") if n == 100 else ""
            rows.append(("extra repaint per transparent 60 x 19 check box, %d over a %s (CPU)" % (n, what),
                         fmt_time(extra), "-", "-", goal, verdict))

    header = ("measure", "OrvoControls", "QSS peer", "ratio", "goal", "")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))
    print()
    print("medians over %d run(s) of ours%s; times are wall-clock medians of single calls (cold start: of" %
          (len(orvo), (" and %d of the peer's, interleaved" % len(peer)) if peer else ""))
    print("single process runs) unless marked CPU; extra per box = (transparent - opaque) / boxes.")
    if a.load:
        print("load average during the runs: " + a.load)


if __name__ == "__main__":
    sys.exit(main())
