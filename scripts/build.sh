#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR), with extra
# CMake arguments passed through. Compiles through ccache when it is installed;
# paths are made relative to the checkout so clones and worktrees share hits.
# ORVO_BUILD_TARGETS (space-separated) builds only those targets.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here}
  export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here" -B "$build" -G Ninja "${launcher[@]}" "$@" >/dev/null
targets=()
for t in ${ORVO_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
