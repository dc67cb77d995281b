#!/usr/bin/env bash
# Installs the built project into a staging prefix, then configures, builds
# and runs each example against that installed package only (headless):
# examples/hello (a form of the library), examples/incode (a window built in
# code with the umbrella header), examples/embed (Qt widgets and
# library controls in one window), examples/loadform (a form read from a
# file at run time, also built with pkg-config's flags alone) and
# examples/designer (a .ui window of the library's Qt widgets, also loaded
# through the installed Designer plugin).
# Usage: examples/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
stage=$build/package-stage
rm -rf "$stage" "$build"/example-*
cmake --install "$build" --prefix "$stage" >/dev/null
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
for example in hello incode embed loadform designer; do
  cmake -S "$here/examples/$example" -B "$build/example-$example" -G Ninja "${launcher[@]}" \
    -DCMAKE_PREFIX_PATH="$stage" >/dev/null
  cmake --build "$build/example-$example"
done
"$build/example-hello/orvo_hello" --check "$build/example-hello/hello.png"
"$build/example-incode/orvo_incode" --check "$build/example-incode/incode.png"
"$build/example-embed/orvo_embed" --check "$build/example-embed/embed.png"
"$build/example-designer/orvo_designer_example" --check "$build/example-designer/designer.png"
"$build/example-loadform/orvo_loadform" --check "$build/example-loadform/loadform.png"

# The same run-time form program built from pkg-config's flags alone.
pc_build=$build/example-loadform-pkgconfig
mkdir -p "$pc_build"
libdir=$(PKG_CONFIG_PATH="$stage/lib/pkgconfig" pkg-config --variable=libdir OrvoControls)
# shellcheck disable=SC2046
c++ -std=c++20 -fPIC "$here/examples/loadform/main.cpp" -o "$pc_build/orvo_loadform" \
  $(PKG_CONFIG_PATH="$stage/lib/pkgconfig" pkg-config --cflags --libs OrvoControls) -Wl,-rpath,"$libdir"
"$pc_build/orvo_loadform" --check "$here/examples/loadform/Survey.form"
