#!/usr/bin/env bash
# Installs the built project into a staging prefix, then configures, builds
# and runs each example against that installed package only (headless):
# examples/hello (a form of the library), examples/embed (Qt widgets and
# library controls in one window) and examples/designer (a .ui window of the
# library's Qt widgets, also loaded through the installed Designer plugin).
# Usage: examples/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
stage=$build/package-stage
rm -rf "$stage" "$build/example-hello" "$build/example-embed" "$build/example-designer"
cmake --install "$build" --prefix "$stage" >/dev/null
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
for example in hello embed designer; do
  cmake -S "$here/examples/$example" -B "$build/example-$example" -G Ninja "${launcher[@]}" \
    -DCMAKE_PREFIX_PATH="$stage" >/dev/null
  cmake --build "$build/example-$example"
done
"$build/example-hello/orvo_hello" --check "$build/example-hello/hello.png"
"$build/example-embed/orvo_embed" --check "$build/example-embed/embed.png"
"$build/example-designer/orvo_designer_example" --check "$build/example-designer/designer.png"
