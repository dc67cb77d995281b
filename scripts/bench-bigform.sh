#!/usr/bin/env bash
# The big form side by side: N transparent check boxes read from a form
# description (orvo_bigform) against the same boxes in plain Qt with a style
# sheet (qss_bigform, in bench/ too), one process of each in turn, RUNS times;
# prints the table with the ratios of the medians (scripts/bench_bigform.py).
#   scripts/bench-bigform.sh
#   RUNS=5 COUNTS="0 1000 5000 10000" BACKGROUNDS="gradient tile" scripts/bench-bigform.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
RUNS=${RUNS:-3}
REPS=${REPS:-5}
COUNTS=${COUNTS:-0 1000 5000 10000}
BACKGROUNDS=${BACKGROUNDS:-gradient tile}
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/orvo-bench-runtime
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
[ "${SKIP_BUILD:-0}" = 1 ] || ORVO_BUILD_TARGETS="orvo_bigform qss_bigform" nice -n 10 bash "$here/scripts/build.sh" >/dev/null
# The forms, the runs and the table stay in $BENCH_OUT for another look.
out=${BENCH_OUT:-${TMPDIR:-/tmp}/orvo-bench-bigform}
# shellcheck disable=SC2086
python3 "$here/scripts/bench_bigform.py" "$build/bin" "$out" --runs "$RUNS" --reps "$REPS" \
  --counts $COUNTS --backgrounds $BACKGROUNDS
