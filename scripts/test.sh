#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (headless).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
build=${BUILD_DIR:-$here/build}
BUILD_DIR=$build "$here/scripts/build.sh" "$@"
cd "$build"
# CTest prints a "Start" and a "Passed" line per test: drop those, keep
# failures, skips and the closing summary. pipefail keeps ctest's status.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" \
  | { grep -Ev '^ *Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed +[0-9.]+ sec$' || true; }
