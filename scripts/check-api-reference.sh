#!/usr/bin/env bash
# Runs Doxygen over the public headers (the Doxyfile a configure wrote into
# BUILD_DIR) and fails when a public class, struct or namespace has no
# documentation, naming each. Members without a comment are allowed: many
# are a property's getter and setter, named for what they hold.
# Usage: scripts/check-api-reference.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
doxyfile=$build/Doxyfile
[[ -f $doxyfile ]] || { echo "check-api-reference: no $doxyfile (is doxygen installed?)" >&2; exit 1; }
out=$(sed -n 's/^OUTPUT_DIRECTORY *= *//p' "$doxyfile")
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && doxygen "$doxyfile")
undocumented=$(grep -E 'warning: Compound .* is not documented' "$out/warnings.log" || true)
if [[ -n $undocumented ]]; then
  echo "check-api-reference: public classes without documentation:" >&2
  sed -E 's/^.*src\//src\//' <<<"$undocumented" >&2
  exit 1
fi
[[ -f $out/html/index.html ]] || { echo "check-api-reference: no HTML written" >&2; exit 1; }
echo "check-api-reference: $(ls "$out"/html/class*.html 2>/dev/null | grep -vc -- '-members' ) classes documented in $out/html"
