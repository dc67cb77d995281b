#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR), with extra
# CMake arguments passed through.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
cmake -S "$here" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
