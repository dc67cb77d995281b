#!/usr/bin/env bash
# Installs the built project into a staging prefix, then configures, builds
# and runs each example against that installed package only (headless):
# examples/hello (a form of the library) and examples/embed (Qt widgets and
# library controls in one window).
# Usage: examples/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
stage=$build/package-stage
rm -rf "$stage" "$build/example-hello" "$build/example-embed"
cmake --install "$build" --prefix "$stage" >/dev/null
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
for example in hello embed; do
  cmake -S "$here/examples/$example" -B "$build/example-$example" -G Ninja "${launcher[@]}" \
    -DCMAKE_PREFIX_PATH="$stage" >/dev/null
  cmake --build "$build/example-$example"
  "$build/example-$example/orvo_$example" --check "$build/example-$example/$example.png"
done
