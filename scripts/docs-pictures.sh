#!/usr/bin/env bash
# Draws the pictures of docs/controls.md: each form description in
# docs/forms is rendered headlessly by orvoform, with the pointer and the
# focus placed so that the instances named Hot and Focused show those states,
# into docs/pictures/NAME.png. Run after building (scripts/build.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
orvoform=${ORVOFORM:-$here/build/bin/orvoform}
[[ -x $orvoform ]] || { echo "docs-pictures: $orvoform not built (run scripts/build.sh)" >&2; exit 1; }
mkdir -p "$here/docs/pictures"

for form in "$here"/docs/forms/*.form; do
  name=$(basename "$form" .form)
  steps=()
  # The pointer rests on the instance named Hot, the focus on the one named
  # Focused (the first control takes it otherwise, which would blur the
  # normal picture); forms without them are drawn as read.
  if grep -q '^  object Hot:' "$form"; then steps+=("hover:Hot"); fi
  if grep -q '^  object Focused:' "$form"; then steps+=("focus:Focused"); fi
  QT_QPA_PLATFORM=offscreen "$orvoform" render "$form" "${steps[@]}" -o "$here/docs/pictures/$name.png"
  echo "docs/pictures/$name.png"
done
