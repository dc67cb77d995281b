#!/usr/bin/env bash
# Makes the Debian package of a build tree (cpack -G DEB), unpacks it into a
# scratch root and builds and runs examples/hello against what it holds, as a
# machine that installed the package would; the packaged orvoform renders the
# demonstration form. Usage: scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
rm -f "$build"/orvocontrols_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/orvocontrols_*.deb)
root=$build/deb-root
rm -rf "$root" "$build/example-hello-deb"
dpkg-deb -x "$deb" "$root"
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here/examples/hello" -B "$build/example-hello-deb" -G Ninja "${launcher[@]}" \
  -DCMAKE_PREFIX_PATH="$root/usr" >/dev/null
cmake --build "$build/example-hello-deb" >/dev/null
"$build/example-hello-deb/orvo_hello" --check
"$root/usr/bin/orvoform" render demo -o "$build/example-hello-deb/orvoform-demo.png"
echo "the packaged orvoform rendered the demo form"
