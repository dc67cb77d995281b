#!/usr/bin/env bash
# Installs the built project into a staging prefix, then configures, builds
# and runs examples/hello against that installed package only (headless).
# Usage: examples/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
stage=$build/package-stage
rm -rf "$stage" "$build/example-hello"
cmake --install "$build" --prefix "$stage" >/dev/null
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here/examples/hello" -B "$build/example-hello" -G Ninja "${launcher[@]}" \
  -DCMAKE_PREFIX_PATH="$stage" >/dev/null
cmake --build "$build/example-hello"
"$build/example-hello/orvo_hello" --check "$build/example-hello/hello.png"
