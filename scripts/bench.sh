#!/usr/bin/env bash
# Builds and runs every benchmark and prints the goal table.
#   scripts/bench.sh                 # all benchmarks, 3 runs
#   RUNS=5 REPS=7 scripts/bench.sh   # more runs, more repetitions each
#   scripts/bench.sh --all-rows      # also print Google Benchmark's own table
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
RUNS=${RUNS:-3}
REPS=${REPS:-5}
export QT_QPA_PLATFORM=offscreen
nice -n 10 bash "$here/scripts/build.sh" >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
loads=()
for i in $(seq 1 "$RUNS"); do
  loads+=("$(cut -d' ' -f1 /proc/loadavg)")
  "$build/bin/orvo_bench" --benchmark_repetitions="$REPS" --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/orvo$i.json" --benchmark_out_format=json > "$out/console$i.txt" 2>/dev/null
done
[ "${1:-}" = "--all-rows" ] && cat "$out/console$RUNS.txt"
python3 "$here/scripts/bench_report.py" --orvo "$out"/orvo*.json --load "${loads[*]} (1-minute, per run)"
