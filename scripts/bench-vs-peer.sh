#!/usr/bin/env bash
# Runs our benchmarks and the peer's (the same demo form in plain Qt with a
# style sheet, ../shared/perf/qss_peer) side by side: one run of each in
# turn, RUNS times, then prints the goal table with the ratios of the
# medians. The peer is built outside this repository ($QSS_BUILD).
#   scripts/bench-vs-peer.sh
#   RUNS=5 REPS=5 COLD_RUNS=9 scripts/bench-vs-peer.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
peer_src=${QSS_PEER:-$here/../shared/perf/qss_peer}
peer_build=${QSS_BUILD:-${TMPDIR:-/tmp}/qss-peer-build}
RUNS=${RUNS:-3}
REPS=${REPS:-5}
COLD_RUNS=${COLD_RUNS:-9}
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/orvo-bench-runtime
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi

[ -d "$peer_src" ] || { echo "no peer at $peer_src" >&2; exit 2; }
nice -n 10 bash "$here/scripts/build.sh" >/dev/null
cmake -S "$peer_src" -B "$peer_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
nice -n 10 cmake --build "$peer_build" >/dev/null

# The run files stay for another look: scripts/bench_report.py --orvo ... --peer ...
out=${BENCH_OUT:-${TMPDIR:-/tmp}/orvo-bench-vs-peer}
mkdir -p "$out"
rm -f "$out"/orvo*.json "$out"/peer*.txt
loads=()
for i in $(seq 1 "$RUNS"); do
  loads+=("$(cut -d' ' -f1 /proc/loadavg)")
  echo "run $i/$RUNS (load $(cut -d' ' -f1-3 /proc/loadavg))" >&2
  "$peer_build/qss_bench" --cold-runs "$COLD_RUNS" > "$out/peer$i.txt" 2>/dev/null
  "$build/bin/orvo_bench" --benchmark_repetitions="$REPS" --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/orvo$i.json" --benchmark_out_format=json >/dev/null 2>&1
done
python3 "$here/scripts/bench_report.py" --orvo "$out"/orvo*.json --peer "$out"/peer*.txt \
  --load "${loads[*]} (1-minute, at the start of each run)" | tee "$out/table.md"
