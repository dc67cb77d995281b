#!/usr/bin/env bash
# Runs every fuzz target for a while from its seed corpus in fuzz/corpus/.
#   fuzz/run.sh BUILD_DIR SECONDS_PER_TARGET [WORK_DIR]
# New inputs go to WORK_DIR (a temporary directory by default), so the seeds
# in the repository stay as they are; a finding is written to WORK_DIR as
# crash-*/leak-*/timeout-* and fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?build directory}
seconds=${2:?seconds per target}
work=${3:-$(mktemp -d)}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The targets that load forms start Qt, whose font configuration library
# keeps its caches for the life of the process.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../.ci/lsan.supp}

run() {
    local target=$1 seeds=$2 status=0
    shift 2
    mkdir -p "$work/$target"
    echo "== $target for ${seconds}s"
    "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$@" "$work/$target" "$here/corpus/$seeds" >"$work/$target.log" 2>&1 ||
        status=$?
    grep -E '^(Done |stat::number_of_executed_units)' "$work/$target.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$work/$target.log" >&2
        echo "$target found a fault (status $status); the input is in $work" >&2
        return 1
    fi
}

run form_text_fuzz form -dict="$here/form.dict"
run form_reader_fuzz form -dict="$here/form.dict"
run form_library_fuzz library -dict="$here/library.dict"
# About ten steps a script: each step's events take milliseconds under the
# sanitizers, and the scripts of a batch carry the form's state on anyway.
run orvoform_steps_fuzz steps -dict="$here/steps.dict" -max_len=256
run bmp_decode_fuzz bmp
